# How every binary a user gets is built. Wine reads an image whose sections
# are not page-aligned in the file into each process's private memory, whole;
# page-aligned sections it maps from the file, shared and clean. And the
# debugging information stays out of the binary: it would make keyvane.exe
# several times its size. It goes into NAME.debug beside the binary, which
# names it by a debug link, so that a crash's addresses can still be read.
function(keyvane_shipped_binary target)
    target_link_options(${target} PRIVATE -Wl,--file-alignment=4096)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
                $<TARGET_FILE_NAME:${target}>
        WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
        VERBATIM)
endfunction()
