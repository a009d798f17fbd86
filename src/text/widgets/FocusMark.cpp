#include "text/widgets/FocusMark.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int kMarkWidth = 2;

class FocusMark : public QWidget {
  public:
    explicit FocusMark(QWidget* target) : QWidget(target), m_target(target) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
        target->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_target) {
            switch (event->type()) {
                case QEvent::FocusIn:
                    setGeometry(m_target->rect());
                    raise();
                    show();
                    break;
                case QEvent::FocusOut:
                    hide();
                    break;
                case QEvent::Resize:
                    setGeometry(m_target->rect());
                    break;
                default:
                    break;
            }
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QPen pen(m_target->palette().color(QPalette::Highlight), kMarkWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(kMarkWidth / 2.0, kMarkWidth / 2.0, -kMarkWidth / 2.0,
                                           -kMarkWidth / 2.0));
    }

  private:
    QWidget* m_target;
};

}  // namespace

void MarkFocusOf(QWidget* w) {
    new FocusMark(w);
}
