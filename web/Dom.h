#pragma once

#include "Fonts.h"
#include "Twips.h"

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace duomira::web {

using emscripten::val;

// The page's elements, made and styled from the forms' own tables: lengths
// in pixels (the browser scales them for the screen's density), colours,
// fonts at their point sizes.
val document();
val makeElement(const char* tag, const val& parent, const char* className = nullptr);
// Adds each of the space-separated class names.
void addClasses(const val& element, const std::string& names);
void setText(val element, const std::string& text);
void place(const val& element, const PixelRect& box);
void moveTo(const val& element, PixelPoint corner);
void setSize(const val& element, int width, int height);
void setStyle(const val& element, const char* property, const std::string& value);
std::string cssColour(const Rgb& colour);
std::string cssFont(const FontStyle& style);
// A caption's "&X" shown as an underlined X, as the systems draw an access key.
void setCaption(const val& element, const std::string& caption);
char accessKeyOf(const std::string& caption);

// Every listener the page installs calls one exported function, which looks
// its handler up here: the one place where the page's events enter the game.
using Handler = std::function<void(const val& event)>;
void listen(const val& element, const char* type, Handler handler);
// Lets go of an element's handlers, before the element leaves the page for good.
void forget(const val& element);
// Runs `then` once the promise has settled, either way, through the same export.
void whenSettled(const val& promise, std::function<void()> then);

} // namespace duomira::web
