#pragma once
// The About window `frmAbout` as a model: the picture, the name and version, the credit lines, the
// contact address that opens a new mail, and OK. It reads and changes no document or setting.
#include <functional>
#include <string>

#include "toolkit/command_button.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/picture_box.h"
#include "toolkit/services.h"
#include "toolkit/timer.h"

namespace brevane {

/// Where comments, questions and bug reports go; shown on the About window and used by its mail link.
extern const char *const kContactAddress;

// The window's colours (0x00BBGGRR).
constexpr tk::Color kAboutDarkBlue = 0x800000;
constexpr tk::Color kAboutDarkRed = 0x0000C0;
constexpr tk::Color kAboutLightBlue = 0xFFC0C0;
constexpr tk::Color kAboutMidBlue = 0xFF8080;

class frmAbout {
public:
    /// `programFolder` holds Images/ and ends with a separator. Only its shell service is used.
    frmAbout(tk::Services services, const std::string &programFolder);

    tk::Form form;
    tk::PictureBox Picture1;
    /// 0: name and version; 1: first credit line; 2: second credit line; 3: the invitation to write.
    tk::ControlArray<tk::Label> Label1;
    /// Only member 4 exists: the contact address.
    tk::ControlArray<tk::Label> lbl_Send_Email;
    tk::CommandButton b_About;
    /// The address's colour cycle. Never started: it has no interval, so the address keeps its mid
    /// blue (one step of the cycle is the window's own dark blue, which would hide the address).
    tk::Timer AboutTimer;

    /// Closes and destroys the window; set by the view.
    std::function<void()> closeWindow;

    /// Click on a contact address label: index 4 opens a new mail to the contact address.
    void lbl_Send_Email_Click(int index);
    /// OK: closes the window.
    void b_About_Click();
    /// One step of the colour cycle: colours the address by the counter, then advances it (0..8).
    void AboutTimer_Timer();

private:
    tk::Services m_services;
    int m_colourStep = 0;
};

} // namespace brevane
