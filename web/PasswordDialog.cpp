#include "PasswordDialog.h"

#include "Dom.h"
#include "Messages.h"
#include "PasswordForm.h"

#include <utility>

namespace duomira::web {

namespace {

// The box shows every typed character as its font's bullet: the page's own
// password font draws the bullet as the designed asterisk.
constexpr char kPasswordFont[] = "\"Duomira Password\"";

val makeControl(const char* tag, const val& parent, const TwipsRect& box, const FontStyle& font) {
    val control = makeElement(tag, parent, "control");
    place(control, toPixels(box));
    setStyle(control, "font", cssFont(font));
    return control;
}

} // namespace

PasswordDialog::PasswordDialog(std::function<void(const std::string&)> answered,
                               std::function<void()> closed)
    : answered_(std::move(answered)), closed_(std::move(closed)),
      frame_(makeWindowFrame(FrameKind::Dialog, fmGetPass::kCaption,
                             twipsToPixels(fmGetPass::kClientWidth),
                             twipsToPixels(fmGetPass::kClientHeight), true)),
      tPass_(val::undefined()) {
    addClasses(frame_.outer, "tool");
    setStyle(frame_.client, "background", cssColour(fmGetPass::kBackground));
    setStyle(frame_.client, "font", cssFont(fmGetPass::kFormFont));
    createControls();
    listen(frame_.closeBox, "click", [this](const val&) { unload(); });
}

void PasswordDialog::createControls() {
    val ok = makeControl("button", frame_.client, fmGetPass::kCommand1, fmGetPass::kCommand1Font);
    addClasses(ok, "push default");
    setText(ok, kOkCaption);
    listen(ok, "click", [this](const val&) { Command1_Click(); });

    tPass_ = makeControl("input", frame_.client, fmGetPass::kTPass, fmGetPass::kTPassFont);
    tPass_.set("type", std::string("password"));
    tPass_.set("id", std::string("tPass"));
    tPass_.set("autocomplete", std::string("off"));
    setStyle(tPass_, "font-family", kPasswordFont);
    setStyle(tPass_, "background", cssColour(fmGetPass::kTPassBackground));
    // Enter presses the default button.
    listen(tPass_, "keydown", [this](const val& event) {
        if (event["key"].as<std::string>() == "Enter") {
            event.call<void>("preventDefault");
            Command1_Click();
        }
    });
    // Tab order: the box, then OK; the box comes first in the page.
    frame_.client.call<void>("insertBefore", tPass_, ok);

    val label = makeControl("label", frame_.client, fmGetPass::kLabel1, fmGetPass::kLabel1Font);
    label.set("htmlFor", std::string("tPass"));
    setText(label, fmGetPass::kLabel1Caption);
}

void PasswordDialog::show(bool load) {
    if (load) {
        Form_Load();
        frame_.outer.call<void>("show");
        placeInPage(frame_.outer);
    }
    // The front: the last dialog in the page lies above the others.
    document()["body"].call<void>("appendChild", frame_.outer);
    tPass_.call<void>("focus");
}

void PasswordDialog::Form_Load() {
    tPass_.set("value", std::string());
}

void PasswordDialog::Command1_Click() {
    answered_(tPass_["value"].as<std::string>());
}

void PasswordDialog::unload() {
    if (!frame_.outer["open"].as<bool>())
        return;
    frame_.outer.call<void>("close");
    closed_();
}

} // namespace duomira::web
