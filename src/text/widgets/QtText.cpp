#include "text/widgets/QtText.h"

#include <QFontDatabase>

#include "text/Codec.h"
#include "text/Unicode.h"

QString ToQString(const CLSTString& text) {
    return ToQString(text.view());
}

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool FromQString(const QString& text, CLSTString& out, QString* unmappable) {
    QByteArray utf8 = text.toUtf8();
    // What a Shift-JIS file can hold: the look-alikes other platforms type
    // become CP932's characters, and the rest "?".
    std::string cp932;
    std::string missing;
    bool ok = Utf8ToCp932(std::string_view(utf8.constData(), utf8.size()), cp932, &missing);
    out = CLSTString(Cp932ToUtf8(cp932));
    if (unmappable)
        *unmappable = QString::fromUtf8(missing.data(), static_cast<qsizetype>(missing.size()));
    return ok;
}

CLSTString FromQStringWhole(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return CLSTString(NormalizeNfc(std::string_view(utf8.constData(), utf8.size())));
}

CLSTString FromQStringLossy(const QString& text) {
    CLSTString out;
    FromQString(text, out);
    return out;
}

QFont ProgramFont(const char* utf8Face, int pointSize, bool bold) {
    QFont f(QString::fromUtf8(utf8Face));
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

void InstallFontSubstitutions() {
    const QStringList gothic = {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "VL PGothic",
                                "Sans Serif"};
    const QStringList fixedGothic = {"IPAGothic", "IPAPGothic", "Noto Sans Mono CJK JP",
                                     "Monospace"};
    const QStringList mincho = {"IPAPMincho", "IPAMincho", "Noto Serif CJK JP", "Serif"};
    const QStringList fixedMincho = {"IPAMincho", "IPAPMincho", "Serif"};
    struct Pair {
        const char* face;
        const QStringList* to;
    };
    const Pair pairs[] = {
        {"ＭＳ Ｐゴシック", &gothic},  {"ＭＳ ゴシック", &fixedGothic},
        {"MS PGothic", &gothic},       {"MS Gothic", &fixedGothic},
        {"ＭＳ Ｐ明朝", &mincho},      {"ＭＳ 明朝", &fixedMincho},
        {"MS PMincho", &mincho},       {"MS Mincho", &fixedMincho},
        {"MS UI Gothic", &gothic},     {"メイリオ", &gothic},
        {"Meiryo", &gothic},           {"Meiryo UI", &gothic},
        {"ＭＳ Ｐゴシック ", &gothic}, {"Times New Roman", &mincho},
    };
    for (const Pair& p : pairs)
        QFont::insertSubstitutions(QString::fromUtf8(p.face), *p.to);
}
