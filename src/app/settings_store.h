#pragma once
// The one store of the settings kept between runs: the user's, under the product's name. Every
// setting opens it this way, so none can end up in a store of its own.

#include "app/product.h"

#include <QSettings>

namespace kovrin {

class SettingsStore : public QSettings
{
public:
    SettingsStore()
        : QSettings(QSettings::UserScope, productName(), productName())
    {
    }
};

} // namespace kovrin
