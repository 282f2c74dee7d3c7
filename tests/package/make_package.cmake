# cmake -DBUILD_DIR=... -DOUTPUT=... -P make_package.cmake
# Makes the Debian package of the build afresh in OUTPUT and unpacks it into OUTPUT/contents, so
# the checks that follow see exactly what this build ships.
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${OUTPUT}
                        --config ${BUILD_DIR}/CPackConfig.cmake
                COMMAND_ERROR_IS_FATAL ANY)
file(GLOB package ${OUTPUT}/*.deb)
execute_process(COMMAND dpkg-deb --info ${package} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-deb --contents ${package} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-deb --extract ${package} ${OUTPUT}/contents COMMAND_ERROR_IS_FATAL ANY)
