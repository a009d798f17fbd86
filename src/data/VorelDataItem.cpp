#include "data/VorelDataItem.h"

#include "data/VorelDataQuestion.h"
#include "text/Error.h"

namespace {

const char* const kSource = "VRLFILE";

template <typename T>
T& checked(const std::unique_ptr<CLSVorelDataLine>& object) {
    T* p = dynamic_cast<T*>(object.get());
    if (!p) VR_THROW(kSource, CLSError::kParameter);
    return *p;
}

}  // namespace

CLSVorelDataItem::CLSVorelDataItem(int kind, std::unique_ptr<CLSVorelDataLine> object)
    : m_kind(kind), m_object(std::move(object)) {}

CLSVorelDataItem::CLSVorelDataItem(const CLSVorelDataItem& other)
    : m_kind(other.m_kind), m_object(other.m_object ? other.m_object->clone() : nullptr) {}

CLSVorelDataItem& CLSVorelDataItem::operator=(const CLSVorelDataItem& other) {
    if (this != &other) {
        m_kind = other.m_kind;
        m_object = other.m_object ? other.m_object->clone() : nullptr;
    }
    return *this;
}

CLSVorelDataItem::~CLSVorelDataItem() = default;

CLSVorelDataItem CLSVorelDataItem::makeTitle(const CLSVorelDataTitle& title) {
    return CLSVorelDataItem(kLineTitle, std::make_unique<CLSVorelDataTitle>(title));
}

CLSVorelDataItem CLSVorelDataItem::makeQuestion(const CLSVorelDataQuestion& question) {
    return CLSVorelDataItem(kLineQuestion, std::make_unique<CLSVorelDataQuestion>(question));
}

CLSVorelDataItem CLSVorelDataItem::makeQuestion(CLSVorelDataQuestion&& question) {
    return CLSVorelDataItem(kLineQuestion,
                            std::make_unique<CLSVorelDataQuestion>(std::move(question)));
}

CLSVorelDataItem CLSVorelDataItem::makeComment(const CLSTString& text) {
    return CLSVorelDataItem(kLineComment, std::make_unique<CLSVorelDataComment>(text));
}

CLSVorelDataItem CLSVorelDataItem::makeComment(CLSVorelDataComment&& comment) {
    return CLSVorelDataItem(kLineComment,
                            std::make_unique<CLSVorelDataComment>(std::move(comment)));
}

CLSVorelDataItem CLSVorelDataItem::makeNumber(int kind, int value, const CLSTString& comment) {
    if (!IsNumberKind(kind)) VR_THROW(kSource, CLSError::kParameter);
    auto number = std::make_unique<CLSVorelDataNumber>();
    number->value = value;
    number->comment = comment;
    return CLSVorelDataItem(kind, std::move(number));
}

CLSVorelDataItem CLSVorelDataItem::makeFont(int kind, const CLSVorelDataFont& font) {
    if (!IsFontKind(kind) || !SettingKeyOfKind(kind)) VR_THROW(kSource, CLSError::kParameter);
    return CLSVorelDataItem(kind, std::make_unique<CLSVorelDataFont>(font));
}

const CLSVorelDataTitle& CLSVorelDataItem::title() const {
    return checked<CLSVorelDataTitle>(m_object);
}
CLSVorelDataTitle& CLSVorelDataItem::title() {
    return checked<CLSVorelDataTitle>(m_object);
}
const CLSVorelDataQuestion& CLSVorelDataItem::question() const {
    return checked<CLSVorelDataQuestion>(m_object);
}
CLSVorelDataQuestion& CLSVorelDataItem::question() {
    return checked<CLSVorelDataQuestion>(m_object);
}
const CLSVorelDataComment& CLSVorelDataItem::comment() const {
    return checked<CLSVorelDataComment>(m_object);
}
CLSVorelDataComment& CLSVorelDataItem::comment() {
    return checked<CLSVorelDataComment>(m_object);
}
const CLSVorelDataNumber& CLSVorelDataItem::number() const {
    return checked<CLSVorelDataNumber>(m_object);
}
CLSVorelDataNumber& CLSVorelDataItem::number() {
    return checked<CLSVorelDataNumber>(m_object);
}
const CLSVorelDataFont& CLSVorelDataItem::font() const {
    return checked<CLSVorelDataFont>(m_object);
}
CLSVorelDataFont& CLSVorelDataItem::font() {
    return checked<CLSVorelDataFont>(m_object);
}

const char* SettingKeyOfKind(int kind) {
    switch (kind) {
        case kLineTimeLimit:
            return "TimeLimit";
        case kLineQuestionShowTime:
            return "QuestionShowTime";
        case kLineAnswerStartTime:
            return "AnswerStartTime";
        case kLineInputFieldHeight:
            return "InputFieldHeight";
        case kLineFontTitle:
            return "FontTitle";
        case kLineFontQuestion:
            return "FontQuestion";
        case kLineFontHint:
            return "FontHint";
        case kLineFontAnswer:
            return "FontAnswer";
        case kLineFontComment:
            return "FontComment";
        case kLineFontPrintTitle:
            return "FontPrintTitle";
        case kLineFontPrintQuestion:
            return "FontPrintQuestion";
        case kLineFontPrintAnswer:
            return "FontPrintAnswer";
        case kLineFontPrintTitleNumber:
            return "FontPrintTitleNumber";
        case kLineFontPrintQuestionNumber:
            return "FontPrintQuestionNumber";
        case kLineFontPrintAnswerNumber:
            return "FontPrintAnswerNumber";
        default:
            return nullptr;
    }
}
