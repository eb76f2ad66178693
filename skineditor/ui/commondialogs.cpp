#include "skineditor/ui/commondialogs.h"

#include "skin/ui/skincolor.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

namespace lexarion {

CommonDialogs::CommonDialogs(const QString& startFolder) : folder_(startFolder) {}

SaveAnswer CommonDialogs::AskSaveChanges() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("是否保存"),
                    QStringLiteral("设置值已被修改,是否保存?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

std::optional<QString> CommonDialogs::ChooseFile(bool save) {
    QFileDialog dialog(parent_, save ? QStringLiteral("另存为") : QStringLiteral("打开"), folder_,
                       SkinFileFilter.toString());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile); // asks before overwriting
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString file = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(file).absolutePath();
    return file;
}

std::optional<QString> CommonDialogs::ChooseFileToOpen() {
    return ChooseFile(false);
}

std::optional<QString> CommonDialogs::ChooseFileToSave() {
    return ChooseFile(true);
}

std::optional<qint32> CommonDialogs::ChooseColor(qint32 initial) {
    QColorDialog dialog(ColorFromNumber(initial), parent_);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return NumberFromColor(dialog.selectedColor());
}

std::optional<TitleFont> CommonDialogs::ChooseFont(const TitleFont& initial) {
    QFont font(initial.name);
    font.setPointSizeF(initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    QFontDialog dialog(font, parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    // A font given in pixels has no point size; the size shown before is kept then.
    const double size = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : initial.size;
    return TitleFont{chosen.family(), size, chosen.bold(), chosen.italic()};
}

void CommonDialogs::ShowAbout(const QString& text) {
    QMessageBox(QMessageBox::Information, QStringLiteral("程序说明"), text, QMessageBox::Ok,
                parent_)
        .exec();
}

void CommonDialogs::ShowSaveFailed(const QString& file) {
    QMessageBox(QMessageBox::Critical, QStringLiteral("错误"),
                QStringLiteral("无法写入文件 %1,设置值没有保存.").arg(file), QMessageBox::Ok,
                parent_)
        .exec();
}

} // namespace lexarion
