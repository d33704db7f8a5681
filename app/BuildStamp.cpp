#include "app/BuildStamp.h"

// The one place that reads the compiler's date and time: every window that shows the build
// shows the same moment.
const TBuildStamp& TBuildStamp::Program() {
  static const TBuildStamp stamp{QStringLiteral(__DATE__), QStringLiteral(__TIME__)};
  return stamp;
}
