#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>
#include <vector>

#include "DocFixture.h"
#include "TestSupport.h"
#include "print/Print.h"

/// Saves a picture when VOREL_SHOTS names a folder, to be looked at after a run.
inline void SaveImageShot(const QImage& image, const char* name) {
    const char* dir = getenv("VOREL_SHOTS");
    if (dir && *dir) image.save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

/// The bundled example data file.
inline CLSTString ExampleFile() {
    return CLSTString(std::string(VOREL_SOURCE_DIR) + "/examples/sample.vrf");
}

/// Whether poppler's tools are there (scripts/deps.sh installs them).
inline bool HavePoppler() {
    std::string out;
    return RunCommand("command -v pdftotext && command -v pdfinfo", &out) == 0;
}

/// The text of a PDF with its layout kept (pages first to last, 1-based;
/// 0 for all).
inline std::string PdfText(const std::string& pdfPath, int first = 0, int last = 0) {
    std::string range;
    if (first > 0) range = " -f " + std::to_string(first) + " -l " + std::to_string(last);
    std::string out;
    RunCommand("pdftotext -layout" + range + " " + ShellQuote(pdfPath) + " -", &out);
    return out;
}

/// The page count pdfinfo reads from a PDF; -1 when it cannot.
inline int PdfPages(const std::string& pdfPath) {
    std::string out;
    if (RunCommand("pdfinfo " + ShellQuote(pdfPath), &out) != 0) return -1;
    size_t at = out.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(out.substr(at + 6));
}

/// The text runs of a sentence as UTF-8 (objects left out).
inline std::string RunsOf(const CLSSentence& sentence) {
    std::string text;
    for (const CLSSentenceItem& item : sentence.items()) {
        if (!item.isText()) continue;
        std::string_view v = item.string().view();
        text += U8(CLSTString::fromBytes(v.data(), static_cast<int>(v.size())));
    }
    return text;
}

/// How many pixels of an image area are far from white.
inline int InkIn(const QImage& image, QRect area) {
    int ink = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < 600) ++ink;
        }
    }
    return ink;
}

/// A data file of n questions "問題n" with answers "answern" under a title
/// every 20 questions.
inline std::string ManyQuestions(int n) {
    std::string text = "VORELDATA V3.0";
    for (int i = 1; i <= n; ++i) {
        if (i % 20 == 1) text += "\r\n#章" + std::to_string(i / 20 + 1) + ",000000";
        text += "\r\n問題" + std::to_string(i) + ",,answer" + std::to_string(i) + ",,,<00";
    }
    return text + "\r\n";
}
