#pragma once

#include "settings/VorelFont.h"
#include "text/Colour.h"
#include "text/TString.h"

class CLSFileWriteString;
class CLSIniCompanion;
class CLSIniFile;
class Prompter;

/// One styled element of the study screen: its font and colours plus the
/// frame drawn around it.
struct CLSVorelSkinItem : CLSVorelFont {
    static constexpr int kBorderTypeCount = 9;

    int borderType = 0;  // 0 none ... 8 raised edge
    Colour borderColor = makeColour(0, 0, 0);
    int borderSize = 2;  // line width, 1-10
    int padding = 4;     // between the text and the frame, 0-50
    int margin = 0;      // outside the frame, 0-20

    /// Sets one property from its file text (name compared without regard to
    /// case). BorderSize outside 1-10 becomes 2, Padding outside 0-50 becomes
    /// 4, Margin outside 0-20 becomes 0. False for an unknown property, which
    /// changes nothing.
    bool setProperty(const CLSTString& property, const CLSTString& value);

    bool operator==(const CLSVorelSkinItem&) const = default;
};

/// The CP932 name under which the customisation sheet lists a border type;
/// "" for a type outside 0-8.
const char* BorderTypeName(int borderType);

/// The design of the study screen: six styled elements and six colours.
class CLSVorelSkin {
  public:
    enum Item { kTitle, kQuestion, kHint, kAnswer, kComment, kInfoPane, kItemCount };
    enum ColourIndex {
        kStudyFormTextColor,
        kStudyFormBackgroundColor,
        kHoverTextColor,
        kHoverBackgroundColor,
        kActiveTextColor,
        kActiveBackgroundColor,
        kColourCount
    };

    /// The built-in design.
    CLSVorelSkin();

    /// Throws CLSError code 11 for an index outside 0-5.
    CLSVorelSkinItem& item(int index);
    const CLSVorelSkinItem& item(int index) const;
    /// Throws CLSError code 11 for an index outside 0-5.
    Colour colour(int index) const;
    void setColour(int index, Colour colour);

    /// CP932 key prefix of an item ("タイトル", ..., "InfoPane"); "" outside 0-5.
    static const char* itemPrefix(int index);
    /// Key of a colour ("StudyFormTextColor", ...); "" outside 0-5.
    static const char* colourKey(int index);

    /// Applies the [Design] section of a parsed file; without one nothing changes.
    void readDesign(const CLSIniFile& ini);
    /// Writes the section line and every entry, font names Shift-JIS cannot
    /// hold to companion. Throws CLSError code 6 when writing fails.
    void writeDesign(CLSFileWriteString& file, CLSIniCompanion& companion) const;

    /// Reads the design from a design file and its companion
    /// (DesignCompanionPath). When the file cannot be opened
    /// the error (code 1) is shown through prompter, nothing changes and the
    /// result is false.
    bool loadDesignFile(Prompter& prompter, const CLSTString& path);
    /// Writes a design file and its companion through temporary files (an
    /// old companion goes when none is needed). When they cannot be
    /// written the error (code 6) is shown, any old file stays and the
    /// result is false.
    bool saveDesignFile(Prompter& prompter, const CLSTString& path) const;

    bool operator==(const CLSVorelSkin&) const = default;

  private:
    CLSVorelSkinItem m_items[kItemCount];
    Colour m_colours[kColourCount];
};

/// The UTF-8 companion of a design file: its name with ".utf8" added.
CLSTString DesignCompanionPath(const CLSTString& path);
