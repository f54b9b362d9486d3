#include "app/raw_ini_pages.h"

#include "documents/raw_pages.h"

namespace brevane {

namespace {
const char *const kIniFilter = "INI files (*.ini)|*.ini|All files (*.*)|*.*";

std::vector<std::string> sectionList(int i) {
    const auto &list = i == 0 ? kUserIniSections : kGameIniSections;
    return {list.begin(), list.end()};
}
} // namespace

RawIniPages::RawIniPages(tk::Form &form, tk::ControlArray<tk::RichTextBox> &RTB_User, const AppState &state,
                         const tk::Services &services)
    : Label15(form, "Label15"), Label14(form, "Label14"), cbx_Search_UserINI(form, "cbx_Search_UserINI"),
      tbxSearch(form, "tbxSearch"), cbSearch(form, "cbSearch"), cb_SaveUserText(form, "cb_SaveUserText"),
      m_form(form), m_text(RTB_User), m_state(state), m_services(services) {
    for (int i = 0; i < 2; ++i) {
        Label15.add(i, i == 0 ? "User.ini" : "UT2004.ini");
        Label14.add(i, "Jump To Section");
        cbx_Search_UserINI.add(i, sectionList(i)).Click = [this, i] { cbx_Search_UserINI_Click(i); };
        tk::TextBox &box = tbxSearch.add(i);
        box.KeyPress = [this, i](int charCode) { tbxSearch_KeyPress(i, charCode); };
        cbSearch.add(i, "SEARCH").Click = [this, i] { cbSearch_Click(i); };
        cb_SaveUserText.add(i, "S A V E").Click = [this, i] { cb_SaveUserText_Click(i); };
    }
}

bool RawIniPages::search(int i, const std::string &s) {
    tk::RichTextBox &page = m_text[i];
    std::size_t p = findIgnoringCase(page.text(), s);
    if (p == 0) return false;
    m_form.setFocus(&page);
    page.setSelection(static_cast<long>(p - 1), static_cast<long>(s.size()));
    return true;
}

void RawIniPages::notFound() {
    if (m_services.messages)
        m_services.messages->show("String not found.", tk::MessageButtons::Ok, tk::MessageIcon::None);
}

void RawIniPages::cbSearch_Click(int i) {
    if (search(i, tbxSearch[i].text())) return;
    tbxSearch[i].setText("");
    notFound();
}

void RawIniPages::tbxSearch_KeyPress(int i, int charCode) {
    if (charCode == 13) cbSearch_Click(i);
}

void RawIniPages::cbx_Search_UserINI_Click(int i) {
    if (search(i, cbx_Search_UserINI[i].text())) return;
    cbx_Search_UserINI[i].setText("");
    notFound();
}

void RawIniPages::cb_SaveUserText_Click(int i) {
    if (!m_services.files) return;
    const std::string path = m_services.files->saveFile(kIniFilter, "ini", m_state.SystemFolder);
    if (path.empty()) return;
    const std::string error = saveRawCopy(path, m_text[i].text());
    if (error.empty() || !m_services.messages) return;
    m_services.messages->show("Brevane could not save the file\r\n\r\n    " + path + "\r\n\r\n" + error,
                              tk::MessageButtons::Ok, tk::MessageIcon::Warning);
}

} // namespace brevane
