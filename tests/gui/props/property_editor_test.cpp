#include "property_editor_test.h"

#include <QTest>

QTEST_MAIN(PropertyEditorTest)
