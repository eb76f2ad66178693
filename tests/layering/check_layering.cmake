# Fails when a source file includes from a layer above its own, when window-free logic includes a
# window, or when platform headers of the desktop's libraries are included outside platform/.
# Every include points down:
#   platform/  ->  core/  ->  wordlist/ memorize/ tools/ skin/ skineditor/  ->  app/
# and inside each subsystem the windows (its ui/ folder) sit on top of its window-free logic.
# Run as: cmake -DSOURCE_DIR=<repository> -P check_layering.cmake

set(rank_platform 0)
set(rank_core 1)
foreach(subsystem wordlist memorize tools skin skineditor)
    set(rank_${subsystem} 2)
endforeach()
set(rank_app 3)
set(layered_folders platform core wordlist memorize tools skin skineditor app)

set(violations "")
foreach(folder IN LISTS layered_folders)
    file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
         ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" target
                   "${line}")
            string(REGEX MATCH "^([a-z]+)/" top "${target}")
            set(top "${CMAKE_MATCH_1}")
            if(top AND DEFINED rank_${top})
                if(rank_${top} GREATER rank_${folder})
                    list(APPEND violations "${source} includes ${target} from a higher layer")
                endif()
            endif()
            if(target MATCHES "/ui/" AND NOT source MATCHES "/ui/" AND
               NOT source MATCHES "/main\\.cpp$")
                list(APPEND violations "${source} is window-free but includes the window ${target}")
            endif()
            if(NOT folder STREQUAL "platform" AND
               target MATCHES "^(xcb/|espeak|flite|cst_|iconv\\.h)")
                list(APPEND violations "${source} includes ${target}, which only platform/ may")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " report)
    message(FATAL_ERROR "Includes that point up the layers:\n  ${report}")
endif()
message(STATUS "Every include points down the layers.")
