// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script calls: the controls to lay out, and a click on one of them.

#include "layout/control_table.h"
#include "layout/about.h"
#include "panels/dispatch.h"
#include "panels/procedures.h"
#include "web/page_form.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <string>

namespace vorantis {
namespace {

// A JSON string: quotes and backslashes escaped, control characters as \u00XX.
std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            json += escape;
            continue;
        }
        if (c == '"' || c == '\\')
            json += '\\';
        json += c;
    }
    return json + '"';
}

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextField:
        return "field";
    case ControlKind::Label:
        return "label";
    case ControlKind::Button:
        return "button";
    case ControlKind::Line:
        return "line";
    }
    return {};
}

std::string rowJson(const ControlRow& row)
{
    const TwipRect& r = row.rect;
    return "{\"name\":" + jsonString(row.name) + ",\"kind\":" + jsonString(kindName(row.kind)) +
        ",\"caption\":" + jsonString(row.caption) + ",\"rect\":[" + std::to_string(r.left) + "," +
        std::to_string(r.top) + "," + std::to_string(r.width) + "," + std::to_string(r.height) +
        "],\"tabIndex\":" + std::to_string(row.tabIndex) +
        ",\"fontPoints\":" + std::to_string(row.fontPoints) + ",\"bold\":" + (row.bold ? "true" : "false") +
        ",\"hidden\":" + (row.startsHidden ? "true" : "false") +
        ",\"spokenName\":" + jsonString(row.spokenName) + ",\"enterRuns\":" + jsonString(row.enterRuns) +
        ",\"hint\":" + jsonString(row.hint) + ",\"runs\":" + (procedureFor(row.name) ? "true" : "false") +
        "}";
}

} // namespace
} // namespace vorantis

extern "C" {

// The whole window as JSON: its size in twips, the About text and one object per control.
EMSCRIPTEN_KEEPALIVE const char* vorantis_window()
{
    using namespace vorantis;
    static const std::string json = [] {
        std::string rows;
        for (const ControlRow& row : controlTable())
            rows += (rows.empty() ? "" : ",") + rowJson(row);
        return "{\"twipsPerPixel\":" + std::to_string(twipsPerPixel) +
            ",\"width\":" + std::to_string(clientWidthTwips) +
            ",\"height\":" + std::to_string(clientHeightTwips) + ",\"about\":" + jsonString(aboutMessage) +
            ",\"controls\":[" + rows + "]}";
    }();
    return json.c_str();
}

// Runs the click of the control (a control of the table, or "clear" for File > Clear) and
// gives the line for the status line: empty when the procedure ran to its end.
EMSCRIPTEN_KEEPALIVE const char* vorantis_click(const char* control)
{
    using namespace vorantis;
    static PageForm form;
    static std::string failure;
    const Procedure* procedure = procedureFor(control);
    failure = procedure ? runClick(*procedure, form).failure : std::string();
    return failure.c_str();
}

} // extern "C"
