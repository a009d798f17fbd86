// The recent-file list of CLSVorelSettings.

#include "settings/IniFile.h"
#include "settings/VorelSettings.h"

using namespace VorelSettingKeys;

void CLSVorelSettings::setRecentFileMax(int v) {
    m_ints[kRecentFileMax] = ApplyRangeRule(kRecentFileMax, v, m_ints[kRecentFileMax]);
    // The menu only knows command ids up to the capacity; entries beyond it
    // could never be removed from the menu again.
    while (m_recentFiles.count() > recentFileMax())
        m_recentFiles.remove(m_recentFiles.count() - 1);
}

void CLSVorelSettings::addRecentFile(const CLSTString& added) {
    // The path may be one of the entries (the last file, opened at start):
    // removing it below would change what is inserted.
    CLSTString path(added);
    std::string folded = FoldCase(path.view());
    for (int i = m_recentFiles.count() - 1; i >= 0; --i) {
        if (FoldCase(m_recentFiles[i].view()) == folded) m_recentFiles.remove(i);
    }
    while (m_recentFiles.count() > 0 && m_recentFiles.count() >= recentFileMax())
        m_recentFiles.remove(m_recentFiles.count() - 1);
    m_recentFiles.insert(0, path);
}

CLSTString CLSVorelSettings::recentFileMenuText(int index) const {
    CLSTString number(index + 1);
    number.insertChar(number.length() - 1, '&');
    // An "&" of the path itself would otherwise turn into a mnemonic.
    CLSTString path(recentFile(index));
    path.replaceAll("&", "&&");
    return number.append(' ').append(path);
}
