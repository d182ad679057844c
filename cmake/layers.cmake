# Each layer of the program sees only what it may. A layer's include root in
# the build tree holds links to its own headers and nothing else, and a
# target sees the roots of the layers it links: an include of a layer above
# it, or of a backend from the program's logic, finds no file and so fails to
# build.
#
#   sagelight_expose(<target> <folder>)             the folder as a whole
#   sagelight_expose(<target> <folder> FILES_ONLY)  its headers, not its subfolders
function(sagelight_expose target folder)
  cmake_parse_arguments(arg "FILES_ONLY" "" "" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  if(arg_FILES_ONLY)
    file(GLOB headers RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${root}/${header} SYMBOLIC)
    endforeach()
  else()
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
