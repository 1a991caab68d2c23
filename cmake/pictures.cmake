# The pictures (icons, picture strips, start-up and About pictures) are made by
# the build from the Tango icon theme; nothing generated is committed. Where
# the recipe cannot run (a Windows machine without bash, ImageMagick or the
# Tango icons), point KEYVANE_PICTURES_FROM at a folder it made elsewhere.
set(KEYVANE_PICTURES_FROM "" CACHE PATH "Use the pictures in this folder instead of generating them")
if(KEYVANE_PICTURES_FROM)
    set(KEYVANE_PICTURES_DIR ${KEYVANE_PICTURES_FROM})
    set(KEYVANE_PICTURES_STAMP "")
    add_custom_target(pictures)
    return()
endif()
set(KEYVANE_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
set(KEYVANE_PICTURES_STAMP ${KEYVANE_PICTURES_DIR}/pictures.stamp)
file(GLOB KEYVANE_PICTURES_RECIPE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/pictures/*)
add_custom_command(
    OUTPUT ${KEYVANE_PICTURES_STAMP}
    COMMAND bash ${CMAKE_SOURCE_DIR}/res/pictures/make_pictures.sh ${KEYVANE_PICTURES_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${KEYVANE_PICTURES_STAMP}
    DEPENDS ${KEYVANE_PICTURES_RECIPE}
    COMMENT "Generating the pictures"
    VERBATIM)
add_custom_target(pictures DEPENDS ${KEYVANE_PICTURES_STAMP})
