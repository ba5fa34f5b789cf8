# Fails when a file of the window library calls hidapi or includes its header: the core opens the
# reader. Run as: cmake -DWINDOW_DIR=... -P
file(GLOB_RECURSE sources ${WINDOW_DIR}/*.h ${WINDOW_DIR}/*.cpp)
foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "#[ \t]*include[ \t]*<hidapi|(^|[^_a-zA-Z0-9])hid_[a-z_]+[ \t]*\\(")
    if(lines)
        message(SEND_ERROR "${source} calls hidapi: ${lines}")
    endif()
endforeach()
