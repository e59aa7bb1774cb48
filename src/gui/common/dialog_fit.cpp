#include "gui/common/dialog_fit.h"

#include <QFont>
#include <QWidget>
#include <algorithm>

#include "config/settings.h"

namespace trb::gui {

namespace {

int Scaled(int value, int percent) {
    return std::max(1, value * percent / 100);
}

}  // namespace

void FitDialogInPlace(QWidget& dialog, const config::ConfigSettings& settings) {
    const int element = settings.dialogElementSize > 0 ? settings.dialogElementSize : 100;
    const int scale = settings.inputWindowScale > 0 ? settings.inputWindowScale : 100;
    QFont font = dialog.font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * element / 100.0);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(Scaled(font.pixelSize(), element));
    }
    dialog.setFont(font);  // the controls take the dialog's font
    dialog.adjustSize();
    const QSize size = dialog.size();
    dialog.resize(Scaled(size.width(), scale), Scaled(size.height(), scale));
}

void FitDialog(QWidget& dialog, const config::ConfigSettings& settings, const QWidget* mainWindow) {
    FitDialogInPlace(dialog, settings);
    dialog.setFixedSize(dialog.size());
    if (!mainWindow) return;
    const QRect main = mainWindow->frameGeometry();
    const int left = main.left() + std::max((main.width() - dialog.width()) / 2, 0);
    const int top = main.top() + std::max((main.height() - dialog.height()) / 2, 0) + 20;
    dialog.move(left, top);
}

void FitDialogAt(QWidget& dialog, const config::ConfigSettings& settings, int left, int top) {
    FitDialogInPlace(dialog, settings);
    dialog.move(left, top);
}

}  // namespace trb::gui
