#include "AboutDialog.h"

#include "AboutForm.h"
#include "ClassicScheme.h"
#include "Dom.h"
#include "Messages.h"

#include <utility>

namespace duomira::web {

namespace {

val makeControl(const char* tag, const val& parent, const TwipsRect& box) {
    val control = makeElement(tag, parent, "control");
    place(control, toPixels(box));
    return control;
}

} // namespace

AboutDialog::AboutDialog(const WebAssets& assets, std::function<void()> sysInfo)
    : assets_(assets), frame_(makeWindowFrame(FrameKind::Dialog, frmAbout::kCaption,
                                              twipsToPixels(frmAbout::kClient.width),
                                              twipsToPixels(frmAbout::kClient.height), true)),
      cmdOK_(val::undefined()), picture_(val::undefined()), sysInfo_(std::move(sysInfo)) {
    setStyle(frame_.client, "font", cssFont(kToolkitFont));
    createControls();
    const auto close = [this](const val&) { frame_.outer.call<void>("close"); };
    listen(frame_.closeBox, "click", close);
    listen(cmdOK_, "click", close);
}

void AboutDialog::createControls() {
    for (const frmAbout::LineBand& line : frmAbout::line1Bands()) {
        val band = makeElement("div", frame_.client, "control");
        place(band, line.band);
        setStyle(band, "background", cssColour(line.colour));
    }
    val picture = makeControl("div", frame_.client, frmAbout::kPicIcon);
    addClasses(picture, "sunken picture");
    // The picture's file is made when About first shows.
    picture_ = makeElement("img", picture);
    picture_.set("alt", std::string());

    cmdOK_ = makeControl("button", frame_.client, frmAbout::kCmdOK);
    addClasses(cmdOK_, "push default");
    setText(cmdOK_, kOkCaption);
    val sysInfo = makeControl("button", frame_.client, frmAbout::kCmdSysInfo);
    addClasses(sysInfo, "push");
    setCaption(sysInfo, frmAbout::kCmdSysInfoCaption);
    listen(sysInfo, "click", [this](const val&) { cmdSysInfo_Click(); });
    // The button's access key, with Alt or alone as in a dialog.
    const char key = accessKeyOf(frmAbout::kCmdSysInfoCaption);
    listen(frame_.outer, "keydown", [this, key](const val& event) {
        const std::string pressed = event["key"].as<std::string>();
        if (pressed.size() == 1 && (pressed[0] | 0x20) == key) {
            event.call<void>("preventDefault");
            cmdSysInfo_Click();
        }
    });

    val description = makeControl("div", frame_.client, frmAbout::kLblDescription);
    addClasses(description, "wrapped");
    setText(description, frmAbout::descriptionText());
    val title = makeControl("div", frame_.client, frmAbout::kLblTitle);
    setStyle(title, "font", cssFont(frmAbout::kLblTitleFont));
    setText(title, frmAbout::kLblTitleCaption);
    for (const val& label : {description, title})
        setStyle(label, "color", cssColour(frmAbout::kTextColour));
}

void AboutDialog::showModal() {
    Form_Load();
    picture_.set("srcset", assets_.aboutPicture());
    frame_.outer.call<void>("showModal");
    // The client area's corner at its designed place in the page.
    const PixelRect client = toPixels(frmAbout::kClient);
    placeInPage(frame_.outer, PixelPoint{client.left, client.top});
    cmdOK_.call<void>("focus");
}

void AboutDialog::Form_Load() {
    frame_.outer.call<void>("setAttribute", std::string("aria-label"),
                            std::string(frmAbout::kCaption));
}

void AboutDialog::cmdSysInfo_Click() {
    sysInfo_();
}

} // namespace duomira::web
