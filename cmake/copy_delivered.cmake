# Lays the delivered files beside the program: config.ini, data/, pics/ from the
# sources (SOURCE) and html/, the manual made for this build (MANUAL).
# Existing files are kept, so settings and catalogues edited in the program's
# folder are not overwritten by the next build; the help pages are the program's
# own and follow the build's manual.
foreach(item data pics html)
  file(MAKE_DIRECTORY ${TARGET}/${item})
  set(from ${SOURCE}/${item})
  if(item STREQUAL "html")
    set(from ${MANUAL}/html)
  endif()
  if(IS_DIRECTORY ${from})
    file(GLOB_RECURSE files RELATIVE ${from} ${from}/*)
    foreach(f IN LISTS files)
      if(item STREQUAL "html" OR NOT EXISTS ${TARGET}/${item}/${f})
        get_filename_component(dir ${TARGET}/${item}/${f} DIRECTORY)
        file(MAKE_DIRECTORY ${dir})
        file(COPY_FILE ${from}/${f} ${TARGET}/${item}/${f} ONLY_IF_DIFFERENT)
      endif()
    endforeach()
  endif()
endforeach()
if(EXISTS ${SOURCE}/config.ini AND NOT EXISTS ${TARGET}/config.ini)
  file(COPY_FILE ${SOURCE}/config.ini ${TARGET}/config.ini)
endif()
