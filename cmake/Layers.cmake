# Every layer is one static library whose sources are the .cpp/.h files of its
# folders, so a new unit only needs its files dropped into the right folder.
function(qm_layer_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp"
         "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h")
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Moc runs again when a header joins a globbed library (without this, a new
# Q_OBJECT header found by the glob leaves the old moc output in place).
function(qm_moc_follows_headers target)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.h$")
  set_property(TARGET ${target} APPEND PROPERTY AUTOGEN_TARGET_DEPENDS ${sources})
endfunction()
