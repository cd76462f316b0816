# Installs the local services into the private program folder
# (lib/quillet/services), with the scripts that start and stop them
# (lib/quillet/scripts), as the launcher in bin/ expects them.
set(_private ${QUILLET_INSTALL_PROGRAMDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/services/src DESTINATION ${_private}/services)
install(FILES ${CMAKE_SOURCE_DIR}/services/package.json ${CMAKE_SOURCE_DIR}/services/package-lock.json
        DESTINATION ${_private}/services)
# Installed by scripts/install-deps.sh before the build.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/services/node_modules DESTINATION ${_private}/services
        OPTIONAL USE_SOURCE_PERMISSIONS)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/start-services.sh ${CMAKE_SOURCE_DIR}/scripts/stop-services.sh
        DESTINATION ${_private}/scripts)
install(FILES ${CMAKE_SOURCE_DIR}/scripts/lib/service-ports.sh ${CMAKE_SOURCE_DIR}/scripts/lib/service-folders.sh
              ${CMAKE_SOURCE_DIR}/scripts/lib/node-env.sh
        DESTINATION ${_private}/scripts/lib)

# The services' native module is built for the Node.js that install-deps.sh
# chose; when that is the project's own copy (.tools/node), it goes along.
find_program(QUILLET_SERVICES_NODE node HINTS ${CMAKE_SOURCE_DIR}/.tools/node/bin NO_CACHE)
if(QUILLET_SERVICES_NODE MATCHES "^${CMAKE_SOURCE_DIR}/")
  install(PROGRAMS ${QUILLET_SERVICES_NODE} DESTINATION ${_private}/node/bin)
endif()
