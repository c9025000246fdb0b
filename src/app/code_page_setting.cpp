#include "app/code_page_setting.h"

#include "app/settings_store.h"

namespace kovrin {
namespace {

const auto kCodePage = QStringLiteral("SETTINGS/CODEPAGE");

} // namespace

CodeEncoding readCodeEncoding()
{
    const SettingsStore settings;
    return encodingOfWord(settings.value(kCodePage).toString().toStdString())
        .value_or(CodeEncoding::Windows1252);
}

void writeCodeEncoding(CodeEncoding encoding)
{
    SettingsStore settings;
    const std::string_view word = encodingWord(encoding);
    settings.setValue(kCodePage,
                      QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    settings.sync();
}

} // namespace kovrin
