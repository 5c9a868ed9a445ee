// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace vorantis {

struct ControlRow;
struct Language;
struct Procedure;

// The client area: one widget for each row of the control table, made by one loop, at the
// row's rectangle and font scaled by the zoom. A click on a control that starts a procedure,
// or Return in a field that runs one, is handed to `run`.
class Surface : public QWidget {
public:
    Surface(std::function<void(const Procedure&)> run, QWidget* parent);

    // 100 lays every control out at its own size; 150 at one and a half times that.
    void setZoom(int percent);
    // Says again in the language in use what was said in `before`: captions, names, hints.
    void retranslate(const Language& before);
    int zoom() const { return m_zoom; }

private:
    void layOut();

    std::vector<std::pair<const ControlRow*, QWidget*>> m_controls;
    int m_zoom = 100;
};

} // namespace vorantis
