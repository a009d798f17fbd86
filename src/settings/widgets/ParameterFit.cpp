#include "settings/widgets/ParameterFit.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <memory>

#include "srs/FsrsFit.h"
#include "text/Prompter.h"
#include "text/TString.h"
#include "text/widgets/QtText.h"

namespace {

// What the worker tells the dialog; read on the dialog's timer.
struct FitShared {
    std::atomic<int> step{0};
    std::atomic<int> steps{0};
    std::atomic<bool> cancel{false};
};

std::string lossText(double loss) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", loss);
    return text;
}

}  // namespace

std::optional<CLSFsrsParameters> FitParametersInBackground(QWidget* owner, Prompter& prompter,
                                                           std::vector<CLSReviewRecord> reviews,
                                                           const CLSFsrsParameters& start) {
    auto shared = std::make_shared<FitShared>();
    auto result = std::make_shared<CLSFitResult>();
    QThread* worker = QThread::create([shared, result, reviews = std::move(reviews), start] {
        *result = FitParameters(reviews, start, [shared](const CLSFitProgress& progress) {
            shared->steps = progress.steps;
            shared->step = progress.step;
            return !shared->cancel.load();
        });
    });

    QProgressDialog progress(
        QCoreApplication::translate("ParameterFit", "記憶モデルを自分の復習に合わせています..."),
        QCoreApplication::translate("ParameterFit", "キャンセル"), 0, 0, owner);
    progress.setWindowTitle(QCoreApplication::translate("ParameterFit", "自分の復習に合わせる"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                     [shared] { shared->cancel = true; });
    QTimer beat;
    beat.setInterval(50);
    QObject::connect(&beat, &QTimer::timeout, &progress, [&] {
        int steps = shared->steps;
        if (steps > 0 && progress.maximum() != steps) progress.setMaximum(steps);
        progress.setValue(std::min(shared->step.load(), std::max(steps, 0)));
    });
    worker->start(QThread::LowPriority);
    progress.show();
    beat.start();
    loop.exec();
    beat.stop();
    progress.close();
    worker->wait();
    delete worker;

    const CLSFitResult& fit = *result;
    if (fit.cancelled) return std::nullopt;
    if (!fit.problem.empty()) {
        prompter.message(PromptIcon::Information, CLSTString(fit.problem));
        return std::nullopt;
    }
    QString losses =
        QCoreApplication::translate(
            "ParameterFit", "損失 (小さいほど予測が正確です): %1 → %2\n予測と比べた復習: %3件")
            .arg(QString::fromStdString(lossText(fit.lossBefore)),
                 QString::fromStdString(lossText(fit.lossAfter)), QString::number(fit.reviews));
    if (!fit.improved) {
        prompter.message(PromptIcon::Information,
                         FromQStringLossy(QCoreApplication::translate(
                                              "ParameterFit",
                                              "自分の復習に合わせても予測は良くなりませんでした。"
                                              "パラメーターはそのままです。\n\n") +
                                          losses));
        return std::nullopt;
    }
    if (!prompter.askYesNo(
            PromptIcon::Question,
            FromQStringLossy(
                QCoreApplication::translate("ParameterFit",
                                            "自分の復習に合わせたパラメーターを使いますか？\n\n") +
                losses))) {
        return std::nullopt;
    }
    return fit.parameters;
}
