# Copies the shipped data (SRC) into the program folder next to the executables (DST).
# A file is copied when it is missing there, or when the shipped file is newer and differs:
# settings and tables a user saved in the program folder survive a rebuild, while changed
# shipped data still arrives.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f IN LISTS files)
  set(src ${SRC}/${f})
  set(dst ${DST}/${f})
  if(EXISTS ${dst})
    if(NOT ${src} IS_NEWER_THAN ${dst})
      continue()
    endif()
    file(SHA256 ${src} a)
    file(SHA256 ${dst} b)
    if(a STREQUAL b)
      continue()
    endif()
  endif()
  get_filename_component(dir ${dst} DIRECTORY)
  file(COPY ${src} DESTINATION ${dir})
endforeach()
