#include "print/Print.h"

#include <algorithm>
#include <cstdint>

#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Language.h"
#include "text/Prompter.h"

namespace {

constexpr const char* kSource = "PRINT";

// Lengths far beyond any paper (a margin of 100 m) stay within int.
constexpr int64_t kLargestLength = 1 << 26;

int clampLength(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, -kLargestLength, kLargestLength));
}

// Tenths of a millimetre to device pixels (254 tenths to the inch), rounded.
int tenthsToPixels(int64_t tenths, int dpi) {
    int64_t product = tenths * dpi;
    int64_t rounded = product >= 0 ? (product + 127) / 254 : -((-product + 127) / 254);
    return clampLength(rounded);
}

// The media of a sentence as the target opens them for paper.
class TargetMedia : public CLSSentenceMedia {
  public:
    TargetMedia(CLSPrintTarget& target, const CLSSentence& sentence)
        : m_target(target), m_sentence(sentence) {}
    CLSMediumInfo medium(int itemIndex) const override {
        const CLSSentenceItem& item = m_sentence.item(itemIndex);
        if (!item.isObject()) return {};
        return m_target.picture(item.object());
    }

  private:
    CLSPrintTarget& m_target;
    const CLSSentence& m_sentence;
};

// Closes the target's page however the layout of the page ends.
class PageScope {
  public:
    explicit PageScope(CLSPrintTarget& target, const CLSRect& area) : m_target(target) {
        m_target.beginPage(area);
    }
    ~PageScope() { m_target.endPage(); }
    PageScope(const PageScope&) = delete;
    PageScope& operator=(const PageScope&) = delete;

  private:
    CLSPrintTarget& m_target;
};

CLSSentence titleSentence(const CLSTString& text) {
    // A title is plain text: its escapes were resolved when it was read.
    CLSSentence sentence;
    if (!text.isEmpty()) sentence.addText(text.view());
    return sentence;
}

}  // namespace

CLSTString PageNumberText(int page, int pageCount) {
    CLSTString text(page);
    text.append(" / ");
    text.append(pageCount);
    return text;
}

CLSTString DoesNotFitText(int lineIndex) {
    return CLSTString(
        Fill(VT("%1行目のデータが用紙に収まりません。"), {std::to_string(lineIndex + 2)}));
}

CLSPrint::CLSPrint(CLSVorelSettings& settings, CLSVorelDataFile& doc)
    : m_settings(settings), m_doc(doc) {}

void CLSPrint::clearPageTable() {
    m_pages.clear();
    m_counted = false;
}

void CLSPrint::initializePrintParam(CLSPrintParam& param, CLSPrintTarget& target,
                                    const CLSPageSetup& setup) const {
    CLSTraceScope trace("CLSPrint::initializePrintParam");
    param = CLSPrintParam{};
    param.target = &target;
    param.position = 0;
    param.counters = CLSPrintCounters{};

    // Margins in hundredths of a millimetre (2.54 of them to a thousandth of an inch).
    auto margin = [&setup](int value) -> int64_t {
        return setup.inchMargins ? static_cast<int64_t>(value) * 254 / 100 : value;
    };
    int64_t paperWidth = setup.paperWidth;
    int64_t paperHeight = setup.paperHeight;
    if (setup.landscape) std::swap(paperWidth, paperHeight);
    int dpiX = target.dpiX();
    int dpiY = target.dpiY();
    param.area.left = tenthsToPixels(margin(setup.marginLeft) / 10, dpiX);
    param.area.top = tenthsToPixels(margin(setup.marginTop) / 10, dpiY);
    param.area.right = tenthsToPixels(paperWidth - margin(setup.marginRight) / 10, dpiX);
    param.area.bottom = tenthsToPixels(paperHeight - margin(setup.marginBottom) / 10, dpiY);

    param.lineMargin = tenthsToPixels(static_cast<int64_t>(m_settings.lineMargin()) * 10, dpiY);

    int64_t width = param.area.width();
    int rate = m_settings.widthRateOfQuestion();
    param.questionLeft = param.area.left;
    param.questionRight = clampLength(param.questionLeft + rate * width / 100);
    param.answerLeft = param.questionRight;
    param.answerRight = clampLength(param.answerLeft + width * (100 - rate) / 100);
    param.y = param.area.top;

    // The page number takes one line of its font at the foot of the area,
    // a line margin away from the last block.
    param.blocksBottom = param.area.bottom;
    if (m_settings.printPageNumber()) {
        int footer = target.metrics(pageNumberFont(), fontRate()).lineHeight() + param.lineMargin;
        param.blocksBottom = std::max(param.area.top, param.area.bottom - footer);
    }
}

const CLSVorelFont& CLSPrint::pageNumberFont() const {
    // A page belongs to no line: the settings' font, whatever the file says.
    return m_settings.printFont(CLSVorelSettings::kPrintFontQuestionNumber);
}

void CLSPrint::drawPageNumber(CLSPrintParam& param, int page) {
    if (!m_settings.printPageNumber() || page < 0) return;
    CLSSentence text;
    text.addText(PageNumberText(page + 1, static_cast<int>(m_pages.size())).view());
    const CLSRect& area = param.area;
    CLSSentenceLayout layout = layoutIn(*param.target, text, pageNumberFont(), area.width());
    int left = area.left + std::max(0, (area.width() - layout.width) / 2);
    param.target->drawSentence(text, layout, left, area.bottom - layout.height, pageNumberFont(),
                               fontRate());
}

int CLSPrint::getPageCount(CLSPrintTarget& target, const CLSPageSetup& setup,
                           const Progress& progress) {
    CLSTraceScope trace("CLSPrint::getPageCount");
    if (m_counted) return static_cast<int>(m_pages.size());
    CLSPrintParam param;
    initializePrintParam(param, target, setup);
    // Lines after the last title or question print nothing: they would
    // only make a blank last page.
    int lineCount = m_doc.getItemCount();
    int lastBlock = lineCount - 1;
    while (lastBlock >= 0) {
        const CLSVorelDataItem* line = m_doc.getLine(lastBlock);
        if (line->isTitle() || line->isQuestion()) break;
        --lastBlock;
    }
    m_pages.clear();
    while (param.position <= lastBlock) {
        m_pages.push_back({param.position, param.counters});
        if (!printOnePage(param, -1, false, false) ||
            (progress && !progress(param.position, lineCount))) {
            m_pages.clear();
            return -1;
        }
    }
    m_counted = true;
    return static_cast<int>(m_pages.size());
}

bool CLSPrint::printOnePage(CLSPrintParam& param, int page, bool cancellable, bool forced) {
    if (!param.target) VR_THROW(kSource, CLSError::kParameter);
    CLSPrintTarget& target = *param.target;
    int stop = m_doc.getItemCount();
    bool draw = page >= 0;
    if (draw) {
        if (page >= static_cast<int>(m_pages.size())) return false;
        param.position = m_pages[page].position;
        param.counters = m_pages[page].counters;
        if (page + 1 < static_cast<int>(m_pages.size())) stop = m_pages[page + 1].position;
    }
    PageScope pageScope(target, param.area);
    param.blocksOnPage = 0;
    param.y = param.area.top;

    while (param.position < stop) {
        if (cancellable && param.keepGoing && !param.keepGoing()) return false;
        const CLSVorelDataItem* line = m_doc.getLine(param.position);
        bool placed = true;
        if (line->isTitle()) {
            placed = titleBlock(param, *line, draw, forced);
        } else if (line->isQuestion()) {
            placed = questionBlock(param, *line, draw, forced);
        }
        if (!placed) {
            if (param.blocksOnPage > 0) {
                drawPageNumber(param, page);
                return true;
            }
            target.abortJob();
            m_doc.prompter().message(PromptIcon::Warning, DoesNotFitText(param.position));
            return false;
        }
        ++param.position;
    }
    drawPageNumber(param, page);
    return true;
}

int CLSPrint::fontRate() const {
    // The settings dialog offers 1-500 %; a file may hold anything.
    return std::clamp(m_settings.fontSizeRate(), 1, 500);
}

CLSSentenceLayout CLSPrint::layoutIn(CLSPrintTarget& target, const CLSSentence& sentence,
                                     const CLSVorelFont& font, int width) const {
    int rate = fontRate();
    const TextMetrics& metrics = target.metrics(font, rate);
    TargetMedia media(target, sentence);
    CLSDeviceScale scale{target.dpiX(), target.dpiY(), kScreenDpi, kScreenDpi, rate};
    return LayoutSentence(sentence, metrics, media, width, m_settings.lineInterval(), scale);
}

bool CLSPrint::fits(const CLSPrintParam& param, int height, bool forced) const {
    if (forced) return true;
    int64_t end = static_cast<int64_t>(param.y) + height + 2 * int64_t{param.lineMargin};
    return end <= param.blocksBottom;
}

void CLSPrint::drawNumber(CLSPrintParam& param, const CLSSentence& text,
                          const CLSSentenceLayout& layout, int left, const CLSVorelFont& font,
                          int mainLineHeight, int blockHeight) {
    // The number sits on the middle of the text's first line; it never
    // leaves its own block, whatever the two fonts' sizes.
    int offset = std::min((mainLineHeight - layout.height) / 2, blockHeight - layout.height);
    offset = std::max(0, offset);
    param.target->drawSentence(text, layout, left, param.y + offset, font, fontRate());
}

bool CLSPrint::titleBlock(CLSPrintParam& param, const CLSVorelDataItem& line, bool draw,
                          bool forced) {
    CLSPrintTarget& target = *param.target;
    const CLSRect& area = param.area;
    const int margin = param.lineMargin;
    const bool printTitle = m_settings.printTitle();
    const bool printNumber = printTitle && m_settings.printTitleNum();

    CLSVorelFont titleFont, numberFont;
    CLSSentence title, number;
    CLSSentenceLayout titleLayout, numberLayout;
    int h = 0;
    int wn = 0;
    if (printTitle) {
        titleFont = PrintFont(m_doc, m_settings, CLSVorelSettings::kPrintFontTitle, &line);
        if (printNumber) {
            numberFont =
                PrintFont(m_doc, m_settings, CLSVorelSettings::kPrintFontTitleNumber, &line);
            number = NumberSentence(m_settings.titleNumberFormat(), param.counters);
            numberLayout = layoutIn(target, number, numberFont, area.width());
            wn = numberLayout.width;
        }
        title = titleSentence(line.title().text);
        titleLayout = layoutIn(target, title, titleFont, area.right - (area.left + wn));
        h = std::max(numberLayout.height, titleLayout.height);
    }
    if (!fits(param, h, forced)) return false;

    param.y += margin;
    if (draw && printTitle) {
        target.fillRect({area.left, param.y - margin, area.right, param.y + h + margin},
                        titleFont.backgroundColor);
        if (printNumber) {
            drawNumber(param, number, numberLayout, area.left, numberFont,
                       target.metrics(titleFont, fontRate()).lineHeight(), h);
        }
        target.drawSentence(title, titleLayout, area.left + wn, param.y, titleFont, fontRate());
        // On the block's own last row, as under a question: the next block's
        // background would cover a line drawn below it.
        int lineY = param.y + h + margin - 1;
        target.drawLine(area.left, lineY, area.right, lineY, m_settings.lineStyleOfQT(),
                        m_settings.lineColorOfQT());
    }
    param.y += h + margin;
    ++param.counters.titleNumber;
    param.counters.questionInTitle = 1;
    ++param.blocksOnPage;
    return true;
}

bool CLSPrint::questionBlock(CLSPrintParam& param, const CLSVorelDataItem& line, bool draw,
                             bool forced) {
    CLSPrintTarget& target = *param.target;
    const int margin = param.lineMargin;
    const CLSVorelDataQuestion& q = line.question();
    const bool printQuestion = m_settings.printQuestion();
    const bool printQuestionNum = printQuestion && m_settings.printQuestionNum();
    const bool printAnswer = m_settings.printAnswer();
    const bool printAnswerNum = printAnswer && m_settings.printAnswerNum();

    CLSVorelFont questionFont, answerFont, questionNumFont, answerNumFont;
    CLSSentence answer, questionNum, answerNum;
    CLSSentenceLayout questionLayout, answerLayout, questionNumLayout, answerNumLayout;
    int wq = 0;
    int wa = 0;
    // The answer column is filled with the answer font's background even
    // when answers are not printed.
    if (printQuestion || printAnswer) {
        answerFont = PrintFont(m_doc, m_settings, CLSVorelSettings::kPrintFontAnswer, &line);
    }
    if (printQuestion) {
        questionFont = PrintFont(m_doc, m_settings, CLSVorelSettings::kPrintFontQuestion, &line);
        int right = param.questionRight - margin;
        if (printQuestionNum) {
            questionNumFont =
                PrintFont(m_doc, m_settings, CLSVorelSettings::kPrintFontQuestionNumber, &line);
            questionNum = NumberSentence(m_settings.questionNumberFormat(), param.counters);
            questionNumLayout =
                layoutIn(target, questionNum, questionNumFont, right - param.questionLeft);
            wq = questionNumLayout.width;
        }
        questionLayout =
            layoutIn(target, q.getQuestion(), questionFont, right - (param.questionLeft + wq));
    }
    if (printAnswer) {
        answer = q.firstAnswer();
        int left = param.answerLeft + margin;
        if (printAnswerNum) {
            answerNumFont =
                PrintFont(m_doc, m_settings, CLSVorelSettings::kPrintFontAnswerNumber, &line);
            answerNum = NumberSentence(m_settings.answerNumberFormat(), param.counters);
            answerNumLayout = layoutIn(target, answerNum, answerNumFont, param.answerRight - left);
            wa = answerNumLayout.width;
        }
        answerLayout = layoutIn(target, answer, answerFont, param.answerRight - (left + wa));
    }
    int h = std::max({questionLayout.height, questionNumLayout.height, answerLayout.height,
                      answerNumLayout.height});
    if (!fits(param, h, forced)) return false;

    param.y += margin;
    if (draw) {
        const int top = param.y - margin;
        const int bottom = param.y + h + margin;
        const int rate = fontRate();
        if (printQuestion) {
            target.fillRect({param.questionLeft, top, param.questionRight, bottom},
                            questionFont.backgroundColor);
            target.fillRect({param.answerLeft, top, param.answerRight, bottom},
                            answerFont.backgroundColor);
            int lineHeight = target.metrics(questionFont, rate).lineHeight();
            if (printQuestionNum) {
                drawNumber(param, questionNum, questionNumLayout, param.questionLeft,
                           questionNumFont, lineHeight, h);
            }
            target.drawSentence(q.getQuestion(), questionLayout, param.questionLeft + wq, param.y,
                                questionFont, rate);
        }
        if (printAnswer) {
            int left = param.answerLeft + margin;
            int lineHeight = target.metrics(answerFont, rate).lineHeight();
            if (printAnswerNum) {
                drawNumber(param, answerNum, answerNumLayout, left, answerNumFont, lineHeight, h);
            }
            // A test sheet keeps the answer's room (and so the same pages as
            // the sheet with the answers), but not its text.
            if (!m_settings.printTestSheet()) {
                target.drawSentence(answer, answerLayout, left + wa, param.y, answerFont, rate);
            }
        }
        if (printQuestion && printAnswer) {
            const CLSRect& area = param.area;
            target.drawLine(area.left, bottom - 1, area.right, bottom - 1,
                            m_settings.lineStyleOfQQ(), m_settings.lineColorOfQQ());
            target.drawLine(param.answerLeft, top, param.answerLeft, bottom,
                            m_settings.lineStyleOfQA(), m_settings.lineColorOfQA());
        }
    }
    param.y += h + margin;
    ++param.counters.questionNumber;
    ++param.counters.questionInTitle;
    ++param.blocksOnPage;
    return true;
}
