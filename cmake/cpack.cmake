# SPDX-License-Identifier: MIT
# Run by cpack (its External generator) once it has installed the files in a staging
# tree: cmake/packages.sh makes the packages there, and cpack copies them to the build
# directory.
set(version ${CPACK_PACKAGE_VERSION})
set(arch ${CPACK_PACKAGE_ARCHITECTURE})
execute_process(COMMAND bash ${CPACK_GRAPHTOOLS_SOURCE_DIR}/cmake/packages.sh ${CPACK_TEMPORARY_DIRECTORY}
                        ${CPACK_GRAPHTOOLS_SOURCE_DIR} ${version} ${arch} ${CPACK_PACKAGE_FILE_NAME}
                        ${CPACK_GRAPHTOOLS_MAPS}
                WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES)
foreach(file graphtools_${version}_${arch}.deb graphtools-dbgsym_${version}_${arch}.deb
        graphtools_${version}_${arch}.buildinfo graphtools_${version}_${arch}.changes ${CPACK_PACKAGE_FILE_NAME}.tar.gz)
  list(APPEND CPACK_EXTERNAL_BUILT_PACKAGES ${CPACK_TOPLEVEL_DIRECTORY}/${file})
endforeach()
