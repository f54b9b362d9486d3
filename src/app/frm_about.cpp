#include "app/frm_about.h"

namespace brevane {

const char *const kContactAddress = "feedback@brevane.invalid";

namespace {
constexpr tk::Color kAddressCycle[9] = {0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000,
                                        0xC00000, 0xFF0000, 0xFF8080, 0xFFC0C0};
} // namespace

frmAbout::frmAbout(tk::Services services, const std::string &programFolder)
    : Picture1(form, "Picture1"), Label1(form, "Label1"), lbl_Send_Email(form, "lbl_Send_Email"),
      b_About(form, "b_About", "OK"), m_services(services) {
    Picture1.setPicture(programFolder + "Images/About.jpg");
    Picture1.setBackColor(kAboutDarkBlue);
    Label1.add(0, "Brevane - Version 1.0");
    Label1.add(1, "Written by the Brevane developers");
    Label1.add(2, "Made for the players of Unreal Tournament 2004.");
    Label1.add(3, "Send Any Comments, Questions Or Bugs to:");
    for (const auto &[index, label] : Label1.members())
        label->setForeColor(kAboutLightBlue);
    tk::Label &address = lbl_Send_Email.add(4, kContactAddress);
    address.setForeColor(kAboutMidBlue);
    address.setToolTip("Click To Send Mail");
    address.Click = [this] { lbl_Send_Email_Click(4); };
    b_About.Click = [this] { b_About_Click(); };
    AboutTimer.Tick = [this] { AboutTimer_Timer(); };
}

void frmAbout::lbl_Send_Email_Click(int index) {
    if (index != 4 || !m_services.shell) return;
    m_services.shell->openUrl(std::string("mailto:") + kContactAddress);
}

void frmAbout::b_About_Click() {
    if (closeWindow) closeWindow();
}

void frmAbout::AboutTimer_Timer() {
    lbl_Send_Email[4].setForeColor(kAddressCycle[m_colourStep]);
    m_colourStep = (m_colourStep + 1) % 9;
}

} // namespace brevane
