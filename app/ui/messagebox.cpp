#include "app/ui/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace lexarion {

void QtMessagePresenter::ShowMessage(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (icon) {
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Error:
        boxIcon = QMessageBox::Critical;
        break;
    case MessageIcon::Question:
        boxIcon = QMessageBox::Question;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ProgramMessage"));
    box.exec();
}

} // namespace lexarion
