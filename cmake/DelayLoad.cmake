# DLLs the program needs only after its window is up (the version check,
# the About box, an address or folder opened, a drop, a write's hashes) are
# loaded on their first call instead of at start: urlmon alone brings ole32,
# oleaut32, rpcrt4, wininet and ws2_32 with it, shell32 brings shlwapi and
# shcore, and the window should not wait for them. The download thread makes
# urlmon's first call, so that loading happens beside the window.
#
#   klangor_delay_load(<target> <dll> <function>...)
#
# MinGW links an import library that resolves through the C runtime's
# __delayLoadHelper2; dlltool makes it from a definition file naming the
# functions the program calls. MSVC does the same with /DELAYLOAD.
function(klangor_delay_load target dll)
  get_filename_component(stem ${dll} NAME_WE)
  if(MINGW)
    set(def ${CMAKE_CURRENT_BINARY_DIR}/${stem}_delay.def)
    set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${stem}_delay.a)
    list(JOIN ARGN "\n" exports)
    file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
    add_custom_command(OUTPUT ${lib}
      COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll} --output-delaylib ${lib}
      DEPENDS ${def} VERBATIM)
    add_custom_target(${stem}_delay_lib DEPENDS ${lib})
    add_dependencies(${target} ${stem}_delay_lib)
    target_link_libraries(${target} PUBLIC ${lib})
  elseif(MSVC)
    target_link_libraries(${target} PUBLIC ${stem} delayimp)
    target_link_options(${target} INTERFACE /DELAYLOAD:${dll})
  else()
    target_link_libraries(${target} PUBLIC ${stem})
  endif()
endfunction()
