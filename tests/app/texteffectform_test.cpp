// The credit screen as a window: its animation runs inside the activation, once per opening;
// closing it stops the animation at the next frame and releases the window only after the
// animation has returned; releasing the window it was opened over leaves it alone. The
// animation runs inside the window's activation, so the tests act from its frames.

#include "app/texteffectformlogic.h"
#include "app/ui/texteffectform.h"

#include <QtTest>
#include <functional>
#include <map>

using namespace lexarion;

namespace {

// A credit screen opened over `owner`; `at[n]` runs when frame n has been drawn.
struct OpenCredits {
    explicit OpenCredits(QWidget* owner, std::map<int, std::function<void()>> actions)
        : form(new TextEffectForm(owner)), at(std::move(actions)) {
        QObject::connect(form, &TextEffectForm::FrameDrawn, form, [this](int spacing) {
            spacings << spacing;
            if (const auto action = at.find(int(spacings.size())); action != at.end())
                action->second();
        });
        form->show();
        form->activateWindow();
    }
    QPointer<TextEffectForm> form;
    std::map<int, std::function<void()>> at;
    QList<int> spacings;
};

} // namespace

class TextEffectFormTest : public QObject {
    Q_OBJECT
private slots:
    void closingDuringTheFirstLineStopsTheAnimation();
    void aSecondActivationDoesNotStartTheEffectAgain();
    void releasingTheOwnerLeavesTheAnimationAlone();
};

void TextEffectFormTest::closingDuringTheFirstLineStopsTheAnimation() {
    bool animatingWhenClosed = false;
    OpenCredits* credits = nullptr;
    OpenCredits open(nullptr, {{5, [&] {
                                    // As a click on its close box would, from inside the
                                    // animation's wait.
                                    credits->form->close();
                                    animatingWhenClosed = credits->form->Animating();
                                }}});
    credits = &open;
    QTRY_VERIFY_WITH_TIMEOUT(open.form.isNull(), 10000);
    // The window stayed until its animation had returned, then released itself.
    QVERIFY(animatingWhenClosed);
    // No frame after the closing: the rest of line 1 and lines 2 and 3 were never drawn.
    QCOMPARE(open.spacings, QList<int>({127, 126, 125, 124, 123}));
}

void TextEffectFormTest::aSecondActivationDoesNotStartTheEffectAgain() {
    OpenCredits* credits = nullptr;
    QEvent activate(QEvent::WindowActivate);
    OpenCredits open(nullptr, {{3, [&] { QCoreApplication::sendEvent(credits->form, &activate); }},
                               {8, [&] { credits->form->close(); }}});
    credits = &open;
    QTRY_VERIFY_WITH_TIMEOUT(open.form.isNull(), 10000);
    // The effect went on where it was instead of starting over.
    QCOMPARE(open.spacings, QList<int>({127, 126, 125, 124, 123, 122, 121, 120}));
}

void TextEffectFormTest::releasingTheOwnerLeavesTheAnimationAlone() {
    auto* owner = new QWidget;
    owner->resize(550, 410);
    owner->show();
    bool animatingAfterOwnerWent = false;
    OpenCredits* credits = nullptr;
    // The console goes (the program is ending) while the credit screen animates.
    OpenCredits open(owner, {{3, [&] { delete owner; }}, {6, [&] {
                                                              animatingAfterOwnerWent =
                                                                  credits->form->Animating();
                                                              credits->form->close();
                                                          }}});
    credits = &open;
    QTRY_VERIFY_WITH_TIMEOUT(open.form.isNull(), 10000);
    QVERIFY(animatingAfterOwnerWent);
    QCOMPARE(open.spacings.size(), 6);
}

QTEST_MAIN(TextEffectFormTest)
#include "texteffectform_test.moc"
