#pragma once

// The caption of a skinned control that shows one (buttons, check and option boxes, group
// frames, tab pages): its text and font live in the control's label, and every change lays the
// caption out again.

#include <QFont>
#include <QString>

class QLabel;

namespace lexarion {

class CaptionedXP {
public:
    virtual ~CaptionedXP() = default;

    QString Caption() const;
    void SetCaption(const QString& caption);
    QFont Fonts() const;
    void SetFonts(const QFont& font);

protected:
    // The control hands over its label once it has made it.
    void SetCaptionLabel(QLabel* label) { captionLabel_ = label; }
    // Places the caption again after its text or its font changed.
    virtual void LayOutCaption() = 0;

private:
    QLabel* captionLabel_ = nullptr;
};

} // namespace lexarion
