// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/window_json.h"

#include "language/language.h"
#include "layout/about.h"
#include "layout/control_table.h"
#include "layout/panels.h"
#include "layout/texts.h"
#include "layout/window.h"
#include "panels/procedures.h"
#include "web/json.h"
#include "working/log.h"

#include <vector>

namespace vorantis {
namespace {

using namespace json;

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

std::string control(const ControlRow& row)
{
    const TwipRect& r = row.rect;
    Object json;
    json.text("name", row.name);
    json.text("kind", kindName(row.kind));
    json.text("caption", captionOf(row));
    json.member("rect",
                "[" + number(r.left) + "," + number(r.top) + "," + number(r.width) + "," + number(r.height) +
                    "]");
    json.number("fontPoints", pointsOf(row)); // the client area's where the row has none
    json.boolean("bold", row.bold);
    json.boolean("hidden", row.startsHidden);
    json.text("spokenName", spokenNameOf(row));
    json.text("enterRuns", row.enterRuns);
    json.text("hint", row.hint.empty() ? row.hint : tr(row.hint));
    json.boolean("runs", procedureFor(row.name) != nullptr);
    return json.close();
}

std::string command(const MenuCommand& command)
{
    std::vector<std::string_view> shortcuts;
    for (const std::string_view shortcut : command.shortcuts)
        if (!shortcut.empty())
            shortcuts.push_back(shortcut);
    Object json;
    json.text("name", command.name);
    json.text("caption", tr(command.caption));
    json.member("shortcuts", strings(shortcuts));
    json.boolean("checkable", command.checkable);
    json.boolean("separatorBefore", command.separatorBefore);
    return json.close();
}

std::string menu(const Menu& menu)
{
    Object json;
    json.text("name", menu.name);
    json.text("caption", tr(menu.caption));
    json.member("commands", array(menu.commands, command));
    return json.close();
}

std::string panel(const Panel& panel)
{
    Object json;
    json.text("heading", panel.heading);
    json.text("spokenName", panel.spokenName.empty() ? panel.spokenName : tr(panel.spokenName));
    json.member("parts", array(panel.parts, [](PanelPart part) { return strings(part); }));
    return json.close();
}

std::string texts()
{
    Object json;
    json.text("programName", programName);
    json.text("ok", tr(okCaption));
    json.text("menuBar", tr(menuBarName));
    json.text("stale", tr(staleNote));
    json.text("unfinished", tr(unfinishedNote));
    json.text("ended", tr(endedNote));
    json.text("startAgain", tr(startAgainCaption));
    json.text("saveAsText", tr(saveAsTextCaption));
    json.text("saveAsPage", tr(saveAsPageCaption));
    json.text("savedName", tr(savedWorkingName));
    json.text("notCopied", tr(notCopiedNote));
    json.text("noVoice", tr(noVoiceNote));
    json.text("keys", currentLanguage().decimalComma ? "-,e" : missingKeys); // the mark the language writes
    json.text("keysName", tr(missingKeysName));
    json.text("about", tr(aboutMessage));
    return json.close();
}

// An object of a name and a caption, in the language in use.
std::string captioned(std::string_view name, std::string_view caption)
{
    Object json;
    json.text("name", name);
    json.text("caption", tr(caption));
    return json.close();
}

std::string language(const Language& language)
{
    Object json;
    json.text("code", language.code);
    json.text("ownName", language.ownName);
    json.text("notLoaded", fill(tr(wordsNotLoadedNote), {{"language", language.ownName}}));
    return json.close();
}

// The window's measures: its size, its face and its zoom.
void addMeasures(Object& json)
{
    json.number("twipsPerPixel", twipsPerPixel);
    json.number("width", clientWidthTwips);
    json.number("height", clientHeightTwips);
    Object face;
    face.text("family", fontFamily);
    face.number("statusLinePoints", statusLinePoints);
    face.number("workingPanePoints", workingPanePoints);
    face.number("workingPaneLines", workingPaneLines);
    json.member("face", face.close());
    json.number("penPixels", linePenPixels);
    Object zoom;
    zoom.number("smallest", smallestZoom);
    zoom.number("largest", largestZoom);
    zoom.number("step", zoomStep);
    json.member("zoom", zoom.close());
}

} // namespace

std::string windowJson()
{
    Object json;
    addMeasures(json);
    json.member("menus", array(menus(), menu));
    json.member("paneCommands", array(workingPaneCommands(), [](const PaneControl& command) {
                    return captioned(command.name, command.caption);
                }));
    json.number("workingCapacity", WorkingLog::capacity);
    json.number("workingBesideFrom", workingBesideFrom);
    json.member("workingView", captioned(workingView.name, workingView.caption));
    std::vector<std::string_view> stacking;
    for (const ControlRow* row : stackingOrder())
        stacking.push_back(row->name);
    json.member("stacking", strings(stacking));
    json.member("tabOrder", strings(tabOrder()));
    json.member("panels", array(panels(), panel));
    json.member("unseen", strings(unseenControls()));
    json.member("texts", texts());
    json.text("language", currentLanguage().code);
    json.member("languages", array(languages(), language));
    // What a procedure writes into a caption, in the language in use, by its English: a page
    // that changes its language says such a caption again.
    json.member("captionWords", array(captionWords(), [](std::string_view english) {
                    Object word;
                    word.text("english", english);
                    word.text("shown", tr(english));
                    return word.close();
                }));
    json.member("controls", array(controlTable(), control));
    return json.close();
}

} // namespace vorantis
