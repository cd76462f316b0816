#ifndef INSTANCEKEYS_H
#define INSTANCEKEYS_H

#include <QString>

// Names of the single-instance segments and local servers.
namespace InstanceKeys {

inline QString mainProgram() { return QStringLiteral("QuilletApp_Brannock_3D165F876406"); }
inline QString updater() { return QStringLiteral("QuilletUpdate_Brannock_4E5CB75C7A31}"); }
// The settings dialog listens here while the updater runs.
inline QString updateChannel() { return QStringLiteral("QuilletUpdate"); }

} // namespace InstanceKeys

#endif
