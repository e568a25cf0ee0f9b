# The window's translations. French is the source language: every text of the C++ and of the movies
# is written in French and translated from it. translations/velmora2_<language>.ts are kept in the
# repository; the build turns them into velmora2_<language>.qm (lrelease) beside the program, in
# build/translations, and installs them in share/velmora2/translations.
#
# After changing a text, refresh the .ts files (new texts come in unfinished, gone ones leave):
#   cmake --build build --target velmora-update-translations
# then translate the unfinished messages with Qt Linguist (linguist translations/velmora2_en.ts).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(velmora_translations ${PROJECT_SOURCE_DIR}/translations/velmora2_en.ts)
set_source_files_properties(${velmora_translations} PROPERTIES
    OUTPUT_LOCATION ${PROJECT_BINARY_DIR}/translations)
qt_add_lrelease(velmora_shell TS_FILES ${velmora_translations} QM_FILES_OUTPUT_VARIABLE velmora_qm_files)
install(FILES ${velmora_qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora2/translations)

# lupdate reads "\u00a0" followed by a hexadecimal letter ("\u00a0expériences") as one longer escape:
# such a C++ text is written as two literals ("%1\u00a0" "expériences").
# The model's French texts that the window shows translated are marked VELMORA_TRANSLATABLE.
# lupdate reads QML only from files named .qml (and JavaScript from .js): the movies are copied under
# such names first. A movie's messages keep its base name as their context ("panelbut"), which is
# the context that qsTr gives them when the program plays panelbut.swf.
set(velmora_movie_texts ${PROJECT_BINARY_DIR}/translation-sources)
file(GLOB velmora_movies CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/anims/*.swf ${PROJECT_SOURCE_DIR}/anims/*.qml
    ${PROJECT_SOURCE_DIR}/anims/*.js)
set(velmora_copy_movies "")
foreach(movie ${velmora_movies})
    get_filename_component(name ${movie} NAME_WE)
    get_filename_component(extension ${movie} LAST_EXT)
    if(NOT extension STREQUAL ".js")
        set(extension ".qml")
    endif()
    list(APPEND velmora_copy_movies COMMAND ${CMAKE_COMMAND} -E copy ${movie} ${velmora_movie_texts}/${name}${extension})
endforeach()
add_custom_target(velmora-update-translations
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${velmora_movie_texts}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${velmora_movie_texts}
    ${velmora_copy_movies}
    COMMAND Qt6::lupdate -locations none -no-obsolete -source-language fr
        -tr-function-alias QT_TRANSLATE_NOOP+=VELMORA_TRANSLATABLE
        -I ${PROJECT_SOURCE_DIR}/core -I ${PROJECT_SOURCE_DIR}/desktop
        ${PROJECT_SOURCE_DIR}/desktop ${PROJECT_SOURCE_DIR}/core/model ${PROJECT_SOURCE_DIR}/core/experiment
        ${PROJECT_SOURCE_DIR}/core/lab ${PROJECT_SOURCE_DIR}/core/plot ${velmora_movie_texts}
        -ts ${velmora_translations}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Refreshing the translations from the sources and the movies"
    VERBATIM)
