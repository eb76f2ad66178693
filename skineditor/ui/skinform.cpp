#include "skineditor/ui/skinform.h"

#include "skineditor/ui/colorswatch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <span>

namespace lexarion {

namespace {

// The fields that are not swatches; swatches are numbered by their Swatch value.
enum NonSwatchField {
    DescriptionField = SwatchCount,
    AlignmentField,
    TitleFontField,
    RoundingField,
};

struct FieldRow {
    const char* label;
    int field;
};

constexpr int S(Swatch swatch) {
    return static_cast<int>(swatch);
}

// Each page's fields: the left column top to bottom, then the right column.
constexpr FieldRow GeneralRows[] = {{"皮肤简介:", DescriptionField}};
constexpr FieldRow ButtonRows[] = {
    {"鼠标移入时前景颜色:", S(Swatch::ButtonFocusForeColor)},
    {"鼠标移出时前景颜色:", S(Swatch::ButtonForeColor)},
};
constexpr FieldRow CheckBoxRows[] = {
    {"鼠标移入时前景颜色:", S(Swatch::CheckBoxFocusForeColor)},
    {"鼠标移出时前景颜色:", S(Swatch::CheckBoxForeColor)},
};
constexpr FieldRow ListBoxRows[] = {
    {"背景颜色:", S(Swatch::ListBoxBackColor)},
    {"鼠标移入时边框颜色:", S(Swatch::ListBoxFocusBorderColor)},
    {"鼠标移出时边框颜色:", S(Swatch::ListBoxBorderColor)},
    {"未选定项目前景颜色:", S(Swatch::ListBoxItemForeColor)},
    {"已选定项目背景颜色:", S(Swatch::ListBoxSelectedItemBackColor)},
    {"已选定项目边框颜色:", S(Swatch::ListBoxSelectedItemBorderColor)},
    {"已选定项目前景颜色:", S(Swatch::ListBoxSelectedItemForeColor)},
};
constexpr FieldRow OptionBoxRows[] = {
    {"鼠标移入时前景颜色:", S(Swatch::OptionBoxFocusForeColor)},
    {"鼠标移出时前景颜色:", S(Swatch::OptionBoxForeColor)},
};
constexpr FieldRow TextBoxRows[] = {
    {"鼠标移入时边框颜色:", S(Swatch::TextBoxFocusBorderColor)},
    {"鼠标移出时边框颜色:", S(Swatch::TextBoxBorderColor)},
    {"鼠标移入时背景颜色:", S(Swatch::TextBoxFocusBackColor)},
    {"鼠标移出时背景颜色:", S(Swatch::TextBoxBackColor)},
    {"鼠标移入时前景颜色:", S(Swatch::TextBoxFocusForeColor)},
    {"鼠标移出时前景颜色:", S(Swatch::TextBoxForeColor)},
};
constexpr FieldRow WindowRows[] = {
    {"前景颜色:", S(Swatch::WindowForeColor)},
    {"背景颜色:", S(Swatch::WindowBackColor)},
    {"标题栏文字对齐方式:", AlignmentField},
    {"标题栏字体:", TitleFontField},
    {"标题栏非焦点前景颜色:", S(Swatch::WindowTitleForeColor)},
    {"标题栏焦点前景颜色:", S(Swatch::WindowTitleFocusForeColor)},
    {"窗口导角(如取16):", RoundingField},
};
constexpr FieldRow TabPageRows[] = {
    {"鼠标移入时前景颜色:", S(Swatch::TabPageFocusForeColor)},
    {"鼠标移出时前景颜色:", S(Swatch::TabPageForeColor)},
};
constexpr FieldRow FrameRows[] = {{"边框颜色:", S(Swatch::FrameBorderColor)}};

struct PageRows {
    const char* title;
    std::span<const FieldRow> rows;
};

const PageRows PageTable[] = {
    {"常规", GeneralRows},   {"按钮", ButtonRows},      {"复选框", CheckBoxRows},
    {"列表框", ListBoxRows}, {"单选框", OptionBoxRows}, {"文本输入框", TextBoxRows},
    {"窗口", WindowRows},    {"分页表格", TabPageRows}, {"外框", FrameRows},
};

const char* const AlignmentNames[TitleAlignmentCount] = {"左对齐", "右对齐", "居中", "隐藏"};

// Room between the two columns of a page.
constexpr int ColumnGap = 24;
constexpr int ButtonMinimumWidth = 84;

} // namespace

SkinForm::SkinForm(SkinEditorDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      editor_(dialogs, QApplication::font().family(), QApplication::font().pointSizeF()) {
    pages_ = new QTabWidget(this);
    // All nine page titles stay in view: the window is as wide as they need.
    pages_->tabBar()->setUsesScrollButtons(false);
    for (const PageRows& page : PageTable) {
        auto* pageWidget = new QWidget;
        auto* grid = new QGridLayout(pageWidget);
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(10);
        const int count = static_cast<int>(page.rows.size());
        if (count == 1 && page.rows[0].field == DescriptionField) {
            grid->addWidget(new QLabel(QString::fromUtf8(page.rows[0].label)), 0, 0);
            grid->addWidget(MakeField(DescriptionField), 0, 1, 1, 4);
            grid->setColumnStretch(1, 1);
        } else {
            const int leftCount = (count + 1) / 2;
            for (int i = 0; i < count; ++i) {
                const bool left = i < leftCount;
                const int row = left ? i : i - leftCount;
                const int column = left ? 0 : 3;
                auto* label = new QLabel(QString::fromUtf8(page.rows[i].label));
                grid->addWidget(label, row, column);
                grid->addWidget(MakeField(page.rows[i].field), row, column + 1, Qt::AlignLeft);
            }
            grid->setColumnMinimumWidth(2, ColumnGap);
            grid->setColumnStretch(2, 1);
            grid->setColumnStretch(5, 1);
        }
        grid->setRowStretch(grid->rowCount(), 1);
        pages_->addTab(pageWidget, QString::fromUtf8(page.title));
    }

    version_ = new QLabel(SkinEditorVersion.toString());
    loadButton_ = new QPushButton(QStringLiteral("加载设置文件"));
    saveButton_ = new QPushButton(QStringLiteral("保存"));
    aboutButton_ = new QPushButton(QStringLiteral("说明"));
    quitButton_ = new QPushButton(QStringLiteral("退出"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(version_);
    buttons->addStretch(1);
    for (QPushButton* button : {loadButton_, saveButton_, aboutButton_, quitButton_}) {
        button->setAutoDefault(false);
        // Room round the captions, and the short ones as wide as each other.
        button->setMinimumWidth(std::max(ButtonMinimumWidth, button->sizeHint().width() + 16));
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(loadButton_, &QPushButton::clicked, this, [this] {
        editor_.Load();
        ShowEditor();
    });
    connect(saveButton_, &QPushButton::clicked, this, [this] {
        editor_.Save();
        ShowEditor();
    });
    connect(aboutButton_, &QPushButton::clicked, this, [this] { editor_.About(); });
    connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);
    ShowEditor();
}

QWidget* SkinForm::MakeField(int field) {
    switch (field) {
    case DescriptionField:
        description_ = new QLineEdit;
        description_->setMinimumWidth(360);
        connect(description_, &QLineEdit::textEdited, this,
                [this](const QString& text) { editor_.SetDescription(text); });
        return description_;
    case AlignmentField:
        alignment_ = new QComboBox;
        for (const char* name : AlignmentNames)
            alignment_->addItem(QString::fromUtf8(name));
        connect(alignment_, &QComboBox::activated, this,
                [this](int index) { editor_.SelectAlignment(index); });
        return alignment_;
    case RoundingField:
        rounding_ = new QComboBox;
        for (int i = 0; i < RoundingCount; ++i)
            rounding_->addItem(QString::number(i));
        connect(rounding_, &QComboBox::activated, this,
                [this](int index) { editor_.SelectRounding(index); });
        return rounding_;
    case TitleFontField:
        fontButton_ = new QPushButton;
        fontButton_->setAutoDefault(false);
        fontButton_->setMinimumWidth(120);
        connect(fontButton_, &QPushButton::clicked, this, [this] {
            editor_.PickTitleFont();
            ShowEditor();
        });
        return fontButton_;
    default: {
        auto* swatch = new ColorSwatch;
        const auto which = static_cast<Swatch>(field);
        swatches_[field] = swatch;
        connect(swatch, &ColorSwatch::clicked, this, [this, which] {
            editor_.PickColor(which);
            ShowEditor();
        });
        return swatch;
    }
    }
}

void SkinForm::ShowEditor() {
    const SkinFields& fields = editor_.Fields();
    setWindowTitle(editor_.WindowTitle());
    if (description_->text() != fields.description)
        description_->setText(fields.description);
    for (int i = 0; i < SwatchCount; ++i)
        swatches_[i]->SetColor(fields.colors[i]);
    alignment_->setCurrentIndex(fields.alignment);
    rounding_->setCurrentIndex(fields.rounding);
    fontButton_->setText(TitleFontCaption(fields.titleFont));
    if (const std::optional<TitleFont>& lettering = editor_.LetteringFont()) {
        QFont font = fontButton_->font();
        font.setFamily(lettering->name);
        font.setBold(lettering->bold);
        font.setItalic(lettering->italic);
        fontButton_->setFont(font);
    }
}

void SkinForm::closeEvent(QCloseEvent* event) {
    if (editor_.MayClose())
        event->accept();
    else
        event->ignore();
    ShowEditor();
}

} // namespace lexarion
