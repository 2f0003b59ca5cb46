# Run by CPack on the staged files before it makes each package. Debian keeps manual pages
# compressed, with no name or time stamp inside, so that the same pages always make the same
# package. Windows has no man to read them, so its zip leaves them out and carries README.txt
# instead. The .tar.gz holds them as `cmake --install` installs them.
if(CPACK_GENERATOR STREQUAL "DEB")
    file(GLOB_RECURSE pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.1")
    foreach(page IN LISTS pages)
        execute_process(COMMAND gzip -9n "${page}" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
elseif(CPACK_GENERATOR STREQUAL "ZIP")
    file(REMOVE_RECURSE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/share")
endif()
