#pragma once
// Menu captions without their hot-key markers, the name a caption is stored under.
#include <string>

// Which bytes open a double-byte character under the system code page.
using TLeadByteTest = bool (*)(unsigned char byte);

// Every "&" goes and "&&" leaves one "&"; a double-byte character is passed over whole; with
// farEast, a group "(&x)" goes whole, as such locales write hot keys after the caption.
std::string StripHotkey(const std::string& caption, TLeadByteTest isLeadByte = nullptr, bool farEast = false);
