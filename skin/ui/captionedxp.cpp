#include "skin/ui/captionedxp.h"

#include <QLabel>

namespace lexarion {

QString CaptionedXP::Caption() const {
    return captionLabel_->text();
}

void CaptionedXP::SetCaption(const QString& caption) {
    captionLabel_->setText(caption);
    LayOutCaption();
}

QFont CaptionedXP::Fonts() const {
    return captionLabel_->font();
}

void CaptionedXP::SetFonts(const QFont& font) {
    captionLabel_->setFont(font);
    LayOutCaption();
}

} // namespace lexarion
