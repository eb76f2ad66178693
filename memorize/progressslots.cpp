#include "memorize/progressslots.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/numbertext.h"
#include "wordlist/mydict.h"
#include "wordlist/wordlist.h"

#include <algorithm>
#include <cmath>

namespace lexarion {

namespace {

// Loads the list named `file` and makes `storedPosition` (as decimal text) the reading
// position, with the group that holds it.
void LoadStoredPosition(AppState& app, const QString& file, const QString& storedPosition) {
    SaveMyDict(app);
    WriteSetting(app, setting::DictionaryFile, file);
    // A list that cannot be loaded is handled by the loader; position and group still follow.
    LoadWordList(app, WordListPathForName(app, file));
    const double position = Truncate(NumberValue(storedPosition));
    app.currentWordIndex = qint32(std::clamp(position, 0.0, 2147483647.0));
    // A hand-edited size below 1 counts as 1, and the group is at least the first: a position
    // of 0 (kept by a window closed before its first word) belongs to group 1, not to none.
    const double size =
        std::max(1.0, RoundHalfEven(NumberValue(ReadSetting(app, setting::GroupSize))));
    const double group = std::max(1.0, std::ceil(app.currentWordIndex / size));
    WriteSetting(app, setting::Group, QString::number(qint64(group)));
}

} // namespace

QString ProgressSlotCaption(const AppState& app, int n) {
    const QString file = ReadSetting(app, setting::SaveDictionaryFile, n);
    const qint32 position = TextToInt32(ReadSetting(app, setting::SaveLoad, n)).value_or(0);
    return file + u'[' + QString::number(position) + u']';
}

QString SaveProgressSlot(const AppState& app, int n) {
    const QString file = ReadSetting(app, setting::DictionaryFile);
    WriteSetting(app, setting::SaveLoad, n, QString::number(app.currentWordIndex));
    WriteSetting(app, setting::SaveDictionaryFile, n, file);
    return file + u'[' + QString::number(app.currentWordIndex) + u']';
}

void LoadProgressSlot(AppState& app, int n) {
    LoadStoredPosition(app, ReadSetting(app, setting::SaveDictionaryFile, n),
                       ReadSetting(app, setting::SaveLoad, n));
}

void SaveLastProgress(const AppState& app) {
    WriteSetting(app, setting::SaveLastDictionaryFile, ReadSetting(app, setting::DictionaryFile));
    WriteSetting(app, setting::SaveLast, QString::number(app.currentWordIndex));
}

void LoadLastProgress(AppState& app) {
    LoadStoredPosition(app, ReadSetting(app, setting::SaveLastDictionaryFile),
                       ReadSetting(app, setting::SaveLast));
}

} // namespace lexarion
