# Paints the skins from their palettes into a scratch folder and fails unless every painted file
# is the one kept in assets/skins/: the palettes are the skins' source, and the kept files are
# what they paint.
# Run as: cmake -DPAINTER=<lexskinpainter> -DPALETTES=<folder> -DKEPT=<assets/skins>
#               -DSCRATCH=<folder> -P check_painted_skins.cmake

include(${KEPT}/skinfiles.cmake)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ${PAINTER} ${PALETTES} ${SCRATCH}
                RESULT_VARIABLE painted)
if(NOT painted EQUAL 0)
    message(FATAL_ERROR "The skin painter failed: ${painted}")
endif()

set(different "")
foreach(skin IN LISTS LEXARION_SKINS)
    foreach(file IN LISTS LEXARION_SKIN_FILES)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                                ${SCRATCH}/${skin}/${file} ${KEPT}/${skin}/${file}
                        RESULT_VARIABLE same)
        if(NOT same EQUAL 0)
            list(APPEND different ${skin}/${file})
        endif()
    endforeach()
endforeach()
if(different)
    list(JOIN different ", " report)
    message(FATAL_ERROR "Painted differently from the kept skins: ${report}")
endif()
message(STATUS "The palettes paint the kept skins exactly.")
