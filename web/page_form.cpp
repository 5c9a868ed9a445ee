// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_form.h"

#include "working/speech.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

namespace vorantis {
namespace {

// Texts cross as UTF-8 with an explicit length: a field may hold any character, NUL too.
// A text read from the page comes back in memory the caller frees.
EM_JS(char*, pageRead, (const char* kind, const char* id, int* length), {
    const text = Module.form[UTF8ToString(kind)](UTF8ToString(id));
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    HEAP32[length >> 2] = size - 1;
    return copy;
});

EM_JS(void, pageWrite, (const char* kind, const char* id, const char* text, int length), {
    Module.form[UTF8ToString(kind)](UTF8ToString(id),
                                    UTF8Decoder.decode(HEAPU8.subarray(text, text + length)));
});

EM_JS(void, pageShow, (const char* id, bool visible), { Module.form.setVisible(UTF8ToString(id), visible); });

std::string read(const char* kind, std::string_view id)
{
    int length = 0;
    const std::unique_ptr<char, decltype(&std::free)> text(pageRead(kind, std::string(id).c_str(), &length),
                                                           &std::free);
    return std::string(text.get(), static_cast<std::size_t>(length));
}

void write(const char* kind, std::string_view id, std::string_view text)
{
    pageWrite(kind, std::string(id).c_str(), text.data(), static_cast<int>(text.size()));
}

} // namespace

std::string PageForm::text(Field field) const { return read("text", controlName(field)); }

// A result is described as it is said ("0 point 1 2 5"), which a screen reader would otherwise
// read digit by digit or as a word.
void PageForm::setText(Field field, std::string_view text)
{
    write("setText", controlName(field), text);
    write("describe", controlName(field), working::spokenValue(std::string(text)));
}

std::string PageForm::caption(Label label) const { return read("caption", controlName(label)); }

void PageForm::setCaption(Label label, std::string_view caption)
{
    write("setCaption", controlName(label), caption);
}

void PageForm::setVisible(Label label, bool visible)
{
    pageShow(std::string(controlName(label)).c_str(), visible);
}

} // namespace vorantis
