# Makes one slide of the title screen's show: runs its script like an end-to-end
# script, in a fresh directory with the example settings files, and puts the
# picture it saved (SLIDE) into OUT.
include(${CMAKE_CURRENT_LIST_DIR}/../../tests/scripts/run_script.cmake)
file(COPY ${WORK}/${SLIDE} DESTINATION ${OUT})
file(REMOVE_RECURSE ${WORK})
