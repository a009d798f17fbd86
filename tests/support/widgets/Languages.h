#pragma once

// The program in either of its languages, and whether a window's texts fit
// their widgets and keep keys of their own there.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>
#include <QWidget>
#include <functional>
#include <ostream>
#include <string>

#include "settings/SettingsFolder.h"
#include "text/Language.h"
#include "text/widgets/QtText.h"
#include "widgets/AccessibleWalk.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/TabOrder.h"
#include "widgets/WhenModal.h"

/// The program's English translation for one test, as a learner with
/// VOREL_LANG=en sees it; the program's own language again after it.
struct InEnglish {
    QTranslator translator;
    bool loaded = false;
    InEnglish() {
        SetProgramLanguage("en");
        loaded = translator.load(ToQString(ProgramDataFolder()) + "/translations/vorel_en.qm");
        if (loaded) QCoreApplication::installTranslator(&translator);
    }
    ~InEnglish() {
        QCoreApplication::removeTranslator(&translator);
        SetProgramLanguage(kNativeLanguage);
    }
    InEnglish(const InEnglish&) = delete;
    InEnglish& operator=(const InEnglish&) = delete;
};

/// The mnemonic letter of a text ("&Apply" -> 'a'), 0 for none.
inline QChar Mnemonic(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

namespace languages {

/// A text as it is drawn: without the mnemonic's "&" ("&&" is one "&").
inline QString Shown(const QString& text) {
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

/// The width a widget's text needs, with the indicator or the frame the
/// style draws around it; 0 for a widget without a text to show.
inline int NeededWidth(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->text().isEmpty()) return 0;
        return label->sizeHint().width();  // the text, the margin and the indent
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        if (box->title().isEmpty()) return 0;
        // As QGroupBox::minimumSizeHint measures its title.
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        int base = box->fontMetrics().horizontalAdvance(Shown(box->title()) + u' ');
        if (box->isCheckable()) {
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
            base += box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box) +
                    box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
        }
        return box->style()
            ->sizeFromContents(QStyle::CT_GroupBox, &option, QSize(base, 0), box)
            .width();
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        auto* button = static_cast<QAbstractButton*>(w);
        if (button->text().isEmpty()) return 0;
        return w->sizeHint().width();  // the indicator, its spacing and the text
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text().isEmpty()) return 0;
        // A flat button of the program's draws its text inside its edge (at
        // most two pixels), without the style's frame.
        if (button->inherits("CLSFlatButton"))
            return button->fontMetrics().horizontalAdvance(Shown(button->text())) + 2 * 2;
        // The text and the icon within the frame the style draws, without
        // the style's least width of a button (80 pixels), which a short
        // text does not need.
        QStyle* style = button->style();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (button->menu()) option.features |= QStyleOptionButton::HasMenu;
        QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        int need = button->width() - contents.width() +
                   button->fontMetrics().horizontalAdvance(Shown(button->text()));
        if (!button->icon().isNull()) need += button->iconSize().width() + 4;
        if (button->menu())
            need += style->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, button);
        return need;
    }
    if (auto* button = qobject_cast<QToolButton*>(w)) {
        if (button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return 0;
        if (button->toolButtonStyle() == Qt::ToolButtonFollowStyle && !button->icon().isNull())
            return 0;
        return button->sizeHint().width();
    }
    return 0;
}

inline QString TextOf(QWidget* w) {
    if (auto* box = qobject_cast<QGroupBox*>(w)) return box->title();
    return w->property("text").toString();
}

inline QString Describe(QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + " '" + TextOf(w) + "'";
}

/// Whether a widget is laid out by its parent's layout, at any depth.
inline bool InLayout(QLayout* layout, QWidget* w) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) return true;
        if (item->layout() && InLayout(item->layout(), w)) return true;
    }
    return false;
}

}  // namespace languages

/// The texts of a window that are shown narrower (or lower) than they
/// need: single-line labels, check boxes, radio buttons, push and tool
/// buttons with a text and group boxes' titles, the visible ones only.
inline QStringList Clipped(QWidget* root) {
    QStringList clipped;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!w->isVisible()) continue;
        int need = languages::NeededWidth(w);
        if (need == 0) continue;
        int needHeight = qobject_cast<QGroupBox*>(w) ? 0 : w->minimumSizeHint().height();
        if (qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w))
            needHeight = w->fontMetrics().height();
        if (w->width() < need || w->height() < needHeight) {
            clipped << QString("%1 %2x%3 < %4x%5")
                           .arg(languages::Describe(w))
                           .arg(w->width())
                           .arg(w->height())
                           .arg(need)
                           .arg(needHeight);
        }
    }
    // The titles of the columns of the tables and lists.
    for (QHeaderView* header : root->findChildren<QHeaderView*>()) {
        if (!header->isVisible() || header->orientation() != Qt::Horizontal || !header->model())
            continue;
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            if (header->isSectionHidden(i) || header->sectionSize(i) == 0) continue;
            QString title = header->model()->headerData(i, Qt::Horizontal).toString();
            if (title.isEmpty()) continue;
            int need = header->fontMetrics().horizontalAdvance(title) + 2 * margin;
            if (header->isSortIndicatorShown() && header->sortIndicatorSection() == i)
                need += header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
            if (header->sectionSize(i) < need) {
                clipped << QString("column '%1' %2 < %3")
                               .arg(title)
                               .arg(header->sectionSize(i))
                               .arg(need);
            }
        }
    }
    return clipped;
}

/// Visible widgets of a window laid out side by side that overlap: a sign
/// of a layout squeezed below what its parts need.
inline QStringList Overlapping(QWidget* root) {
    QStringList overlapping;
    QList<QWidget*> parents = root->findChildren<QWidget*>();
    parents.prepend(root);
    for (QWidget* parent : parents) {
        if (!parent->isVisible() || !parent->layout()) continue;
        QList<QWidget*> laidOut;
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && w->isVisible() && languages::InLayout(parent->layout(), w))
                laidOut << w;
        }
        for (int i = 0; i < laidOut.size(); ++i) {
            for (int j = i + 1; j < laidOut.size(); ++j) {
                QRect both = laidOut[i]->geometry() & laidOut[j]->geometry();
                if (both.width() > 0 && both.height() > 0) {
                    overlapping << languages::Describe(laidOut[i]) + " and " +
                                       languages::Describe(laidOut[j]);
                }
            }
        }
    }
    return overlapping;
}

/// Mnemonics that two visible texts of a window share: labels, buttons,
/// group boxes' titles and the tabs of its tab bars.
inline QStringList MnemonicClashes(QWidget* root) {
    QStringList clashes;
    QMap<QChar, QString> taken;
    auto take = [&](const QString& text) {
        QChar key = Mnemonic(text);
        if (key.isNull()) return;
        if (taken.contains(key)) {
            clashes << taken.value(key) + " and " + text;
        } else {
            taken.insert(key, text);
        }
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!w->isVisible()) continue;
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QGroupBox*>(w)) {
            take(languages::TextOf(w));
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i)
                take(bar->tabText(i));
        }
    }
    return clashes;
}

/// Keys two texts of the customisation sheet share in Japanese since its
/// first version, kept as the learners know them (the letters are part of
/// the Japanese texts); in English every key is its own.
inline constexpr const char* kOldJapaneseClashes[] = {
    "効果音を鳴らす(&S) and 参照(&S)...",
    "枠(&A) and 適用(&A)",
    "不正解のときは自動的にクリックしない(&O) and 別解を表示する(&O)",
};

/// Checks a shown window as a learner sees it in the language of the
/// moment: no text clipped, nothing laid over another, and every mnemonic
/// its own (in Japanese but for the old clashes above). A window with tabs
/// is checked on each page, the page's texts with those around the tabs.
/// Pictures go to VOREL_SHOTS.
inline void ExpectFits(QWidget* window, const std::string& name) {
    SCOPED_TRACE(name);
    QApplication::processEvents();
    const bool english = ProgramLanguage() != std::string(kNativeLanguage);
    const std::string shot = name + (english ? "-en" : "-ja");
    auto check = [&](const std::string& where, const std::string& picture) {
        EXPECT_EQ(Clipped(window), QStringList()) << where;
        EXPECT_EQ(Overlapping(window), QStringList()) << where;
        QStringList clashes = MnemonicClashes(window);
        if (!english) {
            for (const char* known : kOldJapaneseClashes)
                clashes.removeAll(QString::fromUtf8(known));
        }
        EXPECT_EQ(clashes, QStringList()) << where;
        // As a screen reader and the keyboard find it.
        EXPECT_EQ(UnnamedControls(window), "") << where;
        EXPECT_EQ(NumberFieldsWithoutUnits(window), "") << where;
        EXPECT_EQ(taborder::outOfOrder(window), QStringList()) << where;
        EXPECT_EQ(taborder::unmarkedFocus(window), QStringList()) << where;
        SaveShot(window, picture.c_str());
    };
    QTabWidget* tabs = nullptr;
    for (QTabWidget* t : window->findChildren<QTabWidget*>()) {
        if (t->isVisible()) {
            tabs = t;
            break;
        }
    }
    if (!tabs) {
        check(name, shot);
        return;
    }
    const int current = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabEnabled(i)) continue;
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        check(name + " page " + std::to_string(i) + " (" + tabs->tabText(i).toStdString() + ")",
              shot + "-" + std::to_string(i));
    }
    tabs->setCurrentIndex(current);
}

/// Shows a window, checks it as ExpectFits does and closes it (a dialog's
/// closing is its Esc).
inline void ShowAndCheck(QWidget& window, const std::string& name) {
    window.show();
    ExpectFits(&window, name);
    window.close();
}

/// Checks the modal dialog that open() shows, then cancels it.
inline void ExpectModalFits(const std::string& name, const std::function<void()>& open) {
    bool seen = false;
    whenModal([&](QWidget* modal) {
        seen = true;
        ExpectFits(modal, name);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    open();
    EXPECT_TRUE(seen) << name;
}

/// Runs a test body once in Japanese and once in English.
inline void InBothLanguages(const std::function<void()>& body) {
    {
        SCOPED_TRACE("Japanese");
        body();
    }
    InEnglish english;
    ASSERT_TRUE(english.loaded);
    SCOPED_TRACE("English");
    body();
}
