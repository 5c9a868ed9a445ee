// Each caption at the default size must fit its rectangle; the headings must keep to the
// lines they were laid out for. Operator buttons (13 pixels high), the fraction bars and
// the 24 pt heading are smaller than any line of text by design and are judged by eye.

#include "panels/control_table.h"
#include "tests/gui/window_fixture.h"

#include <QFontMetrics>
#include <QPushButton>

namespace vorantis::testing {
namespace {

using FontFit = WindowTest;

TEST_F(FontFit, UsesTheInstalledFace)
{
    EXPECT_EQ(QFontInfo(window.centralWidget()->font()).family(), "Liberation Sans");
}

TEST_F(FontFit, DefaultFontCaptionsFitTheirRectangles)
{
    for (const ControlRow& row : controlTable()) {
        if (row.fontPoints > 0 || row.caption.empty() || row.kind == ControlKind::TextField)
            continue;
        QWidget* widget = control(row.name.data());
        const QFontMetrics metrics(widget->font());
        const QString caption = QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size()));
        SCOPED_TRACE(row.name.data());
        if (row.kind == ControlKind::Button) {
            if (widget->height() < metrics.height())
                continue;
            EXPECT_LE(metrics.horizontalAdvance(caption), widget->width() - 4);
        } else {
            const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), widget->size()),
                                                      Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption);
            EXPECT_LE(needed.width(), widget->width());
            EXPECT_LE(needed.height(), widget->height());
        }
    }
}

TEST_F(FontFit, HeadingsKeepToTheirLines)
{
    for (const ControlRow& row : controlTable()) {
        if (row.fontPoints != 9.75)
            continue;
        SCOPED_TRACE(row.name.data());
        auto* label = control<QLabel>(row.name.data());
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), label->size()), Qt::TextWordWrap,
                                                  label->text());
        const int lines = (needed.height() + metrics.leading()) / metrics.lineSpacing();
        EXPECT_EQ(lines, row.name == "Label19" ? 2 : 1);
        EXPECT_LE(needed.height(), label->height());
    }
}

TEST_F(FontFit, ScreenshotIsSaved)
{
    const QString path = QStringLiteral(VORANTIS_BUILD_DIR) + "/vorantis-window.png";
    ASSERT_TRUE(window.grab().save(path));
}

} // namespace
} // namespace vorantis::testing
