# What identifies a shipped program and how the release archive is made.

set(KALENDRA_PRODUCT_NAME Kalendra)
# The copyright line is the licence file's first line.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../LICENSE)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../LICENSE KALENDRA_COPYRIGHT LIMIT_COUNT 1 REGEX "^Copyright")
set(KALENDRA_LEGAL_TEXT "${KALENDRA_COPYRIGHT}. MIT License.")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KALENDRA_ARCH win64)
else()
  set(KALENDRA_ARCH win32)
endif()
set(KALENDRA_RELEASE_ZIP
  ${CMAKE_BINARY_DIR}/release/${KALENDRA_PRODUCT_NAME}-${PROJECT_VERSION}-${KALENDRA_ARCH}.zip)
set(KALENDRA_RELEASE_MSI
  ${CMAKE_BINARY_DIR}/release/${KALENDRA_PRODUCT_NAME}-${PROJECT_VERSION}-${KALENDRA_ARCH}.msi)

# kalendra_version_info(TARGET DESCRIPTION): gives the program its version
# resource (the project's version, its own file name and description) and the
# product's name as string 1. The file name is the target's OUTPUT_NAME and
# SUFFIX, so set them first.
function(kalendra_version_info target description)
  get_target_property(name ${target} OUTPUT_NAME)
  get_target_property(suffix ${target} SUFFIX)
  set(KALENDRA_FILE_NAME ${name}${suffix})
  set(KALENDRA_FILE_DESCRIPTION ${description})
  set(v ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH})
  set(KALENDRA_VERSION_NUMBERS ${v},0)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${KALENDRA_TOP}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(TARGET ${target} PROPERTY KALENDRA_FILE_DESCRIPTION ${description})
endfunction()

# kalendra_release_archive(): the target 'release', part of every build of a
# Windows tree: release/Kalendra-<version>-<arch>.zip with both programs, the
# read-me and the licence, and release/Kalendra-<version>-<arch>.msi, the
# Windows Installer package of both programs. It runs on every build (it takes
# a moment) so that the dates inside always follow the current commit.
function(kalendra_release_archive)
  add_custom_target(release ALL
    COMMAND bash ${KALENDRA_TOP}/scripts/pack-release ${KALENDRA_RELEASE_ZIP} ${PROJECT_VERSION} ${KALENDRA_ARCH} $<TARGET_FILE:host> $<TARGET_FILE:renderer>
    COMMAND bash ${KALENDRA_TOP}/scripts/pack-msi ${KALENDRA_RELEASE_MSI} ${PROJECT_VERSION} ${KALENDRA_ARCH} $<TARGET_FILE:host> $<TARGET_FILE:renderer>
    BYPRODUCTS ${KALENDRA_RELEASE_ZIP} ${KALENDRA_RELEASE_MSI}
    WORKING_DIRECTORY ${KALENDRA_TOP}
    COMMENT "Release archive and installer package"
    VERBATIM)
  add_dependencies(release host renderer)
endfunction()
