#pragma once

#include <windows.h>

namespace duomira {

// A GDI font or brush owned for as long as the object lives.
template <typename Handle> class GdiObject {
public:
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { DeleteObject(handle_); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }

private:
    Handle handle_;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

} // namespace duomira
