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
    return object({
        {"name", string(row.name)},
        {"kind", string(kindName(row.kind))},
        {"caption", string(captionOf(row))},
        {"rect",
         "[" + number(r.left) + "," + number(r.top) + "," + number(r.width) + "," + number(r.height) + "]"},
        {"fontPoints", number(row.fontPoints)},
        {"bold", boolean(row.bold)},
        {"hidden", boolean(row.startsHidden)},
        {"spokenName", string(spokenNameOf(row))},
        {"enterRuns", string(row.enterRuns)},
        {"hint", string(row.hint.empty() ? row.hint : tr(row.hint))},
        {"runs", boolean(procedureFor(row.name) != nullptr)},
    });
}

std::string menu(const Menu& menu)
{
    return object({
        {"name", string(menu.name)},
        {"caption", string(tr(menu.caption))},
        {"commands",
         array(menu.commands,
               [](const MenuCommand& command) {
                   std::vector<std::string_view> shortcuts;
                   for (const std::string_view shortcut : command.shortcuts)
                       if (!shortcut.empty())
                           shortcuts.push_back(shortcut);
                   return object({
                       {"name", string(command.name)},
                       {"caption", string(tr(command.caption))},
                       {"shortcuts", strings(shortcuts)},
                       {"checkable", boolean(command.checkable)},
                       {"separatorBefore", boolean(command.separatorBefore)},
                   });
               })},
    });
}

std::string panel(const Panel& panel)
{
    return object({
        {"heading", string(panel.heading)},
        {"spokenName", string(panel.spokenName.empty() ? panel.spokenName : tr(panel.spokenName))},
        {"parts", array(panel.parts, [](PanelPart part) { return strings(part); })},
    });
}

std::string texts()
{
    return object({
        {"programName", string(programName)},
        {"ok", string(tr(okCaption))},
        {"menuBar", string(tr(menuBarName))},
        {"stale", string(tr(staleNote))},
        {"unfinished", string(tr(unfinishedNote))},
        {"ended", string(tr(endedNote))},
        {"startAgain", string(tr(startAgainCaption))},
        {"saveAsText", string(tr(saveAsTextCaption))},
        {"saveAsPage", string(tr(saveAsPageCaption))},
        {"savedName", string(tr(savedWorkingName))},
        {"notCopied", string(tr(notCopiedNote))},
        {"noVoice", string(tr(noVoiceNote))},
        {"keys",
         string(currentLanguage().decimalComma ? "-,e" : missingKeys)}, // the mark the language writes
        {"keysName", string(tr(missingKeysName))},
        {"about", string(tr(aboutMessage))},
    });
}

} // namespace

std::string windowJson()
{
    std::vector<std::string_view> stacking;
    for (const ControlRow* row : stackingOrder())
        stacking.push_back(row->name);
    return object({
        {"twipsPerPixel", number(twipsPerPixel)},
        {"width", number(clientWidthTwips)},
        {"height", number(clientHeightTwips)},
        {"face",
         object({
             {"family", string(fontFamily)},
             {"controlPoints", number(controlPoints)},
             {"statusLinePoints", number(statusLinePoints)},
             {"workingPanePoints", number(workingPanePoints)},
             {"workingPaneLines", number(workingPaneLines)},
         })},
        {"penPixels", number(linePenPixels)},
        {"zoom",
         object({{"smallest", number(smallestZoom)},
                 {"largest", number(largestZoom)},
                 {"step", number(zoomStep)}})},
        {"menus", array(menus(), menu)},
        {"paneCommands",
         array(workingPaneCommands(),
               [](const PaneControl& command) {
                   return object({{"name", string(command.name)}, {"caption", string(tr(command.caption))}});
               })},
        {"workingCapacity", number(WorkingLog::capacity)},
        {"workingBesideFrom", number(workingBesideFrom)},
        {"workingView",
         object({{"name", string(workingView.name)}, {"caption", string(tr(workingView.caption))}})},
        {"stacking", strings(stacking)},
        {"tabOrder", strings(tabOrder())},
        {"panels", array(panels(), panel)},
        {"unseen", strings(unseenControls())},
        {"texts", texts()},
        {"language", string(currentLanguage().code)},
        {"languages",
         array(languages(),
               [](const Language& language) {
                   return object({{"code", string(language.code)},
                                  {"ownName", string(language.ownName)},
                                  {"notLoaded",
                                   string(fill(tr(wordsNotLoadedNote), {{"language", language.ownName}}))}});
               })},
        // What a procedure writes into a caption, in the language in use, by its English: a
        // page that changes its language says such a caption again.
        {"captionWords",
         array(captionWords(),
               [](std::string_view english) {
                   return object({{"english", string(english)}, {"shown", string(tr(english))}});
               })},
        {"controls", array(controlTable(), control)},
    });
}

} // namespace vorantis
