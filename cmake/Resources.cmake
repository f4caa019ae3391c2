# Embedded resources. Images and the stylesheet are kept in res/ and listed in res/*.qrc.
# The translations are compiled from the .ts sources with lrelease, and the font is taken
# from a Debian font package; both are listed in a resource file generated in the build tree.
set(SORVANEL_LANGUAGES ar_EG de el_GR en es_ES fr_FR it_IT nl_NL ru_RU tr zh_CN)
set(SORVANEL_TS_FILES)
foreach(code ${SORVANEL_LANGUAGES})
  list(APPEND SORVANEL_TS_FILES ${CMAKE_SOURCE_DIR}/res/languages/language_${code}.ts)
endforeach()

set(SORVANEL_QM_DIR ${CMAKE_BINARY_DIR}/generated/languages)
file(MAKE_DIRECTORY ${SORVANEL_QM_DIR})
set_source_files_properties(${SORVANEL_TS_FILES} PROPERTIES OUTPUT_LOCATION ${SORVANEL_QM_DIR})
# qt5_add_translation only runs lrelease; the .ts sources stay untouched.
qt5_add_translation(SORVANEL_QM_FILES ${SORVANEL_TS_FILES})
add_custom_target(sorvanel_translations DEPENDS ${SORVANEL_QM_FILES})

# Refresh the .ts sources from the code (run by hand: cmake --build build --target update_translations).
find_program(LUPDATE_EXECUTABLE NAMES lupdate lupdate-qt5 HINTS /usr/lib/qt5/bin)
add_custom_target(update_translations
  COMMAND ${LUPDATE_EXECUTABLE} -no-obsolete -locations none
          ${CMAKE_SOURCE_DIR}/app ${CMAKE_SOURCE_DIR}/acquisition ${CMAKE_SOURCE_DIR}/datasets
          ${CMAKE_SOURCE_DIR}/recording ${CMAKE_SOURCE_DIR}/visualization -ts ${SORVANEL_TS_FILES}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)

set(SORVANEL_FONT_SOURCE /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf CACHE FILEPATH
    "Font file embedded as the application font")
if(NOT EXISTS ${SORVANEL_FONT_SOURCE})
  message(FATAL_ERROR "Font ${SORVANEL_FONT_SOURCE} is missing: run scripts/install-deps.sh")
endif()

set(qrc "<RCC>\n  <qresource prefix=\"/res\">\n")
string(APPEND qrc "    <file alias=\"fonts/SF-Pro-Text-Regular.otf\">${SORVANEL_FONT_SOURCE}</file>\n")
foreach(code ${SORVANEL_LANGUAGES})
  string(APPEND qrc "    <file alias=\"languages/language_${code}.qm\">${SORVANEL_QM_DIR}/language_${code}.qm</file>\n")
endforeach()
string(APPEND qrc "  </qresource>\n</RCC>\n")
file(WRITE ${CMAKE_BINARY_DIR}/generated/generated.qrc.in "${qrc}")
configure_file(${CMAKE_BINARY_DIR}/generated/generated.qrc.in ${CMAKE_BINARY_DIR}/generated/generated.qrc COPYONLY)

set(CMAKE_AUTORCC OFF)
qt5_add_resources(SORVANEL_RESOURCE_SOURCES
  ${CMAKE_SOURCE_DIR}/res/images.qrc
  ${CMAKE_SOURCE_DIR}/res/styles.qrc
  ${CMAKE_BINARY_DIR}/generated/generated.qrc)
set_source_files_properties(${CMAKE_BINARY_DIR}/qrc_generated.cpp PROPERTIES OBJECT_DEPENDS "${SORVANEL_QM_FILES}")
