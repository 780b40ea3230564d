#pragma once

#include <QTemporaryDir>

namespace varo {

// Points HOME, XDG_CONFIG_HOME and VARO_COM_DIR at a scratch folder and puts
// the toolkit's standard paths in test mode, so that no test reads or writes
// the settings, documents or COM folder of whoever runs it. Call before the
// application object is made; the folder lives as long as the object.
class TestEnvironment {
public:
    TestEnvironment();

private:
    QTemporaryDir FFolder;
};

} // namespace varo
