# The kit: its manifest (the packer's input) and bin/installer.exe packed
# from it. The payload holds every deliverable of this build that the
# installer carries; files the build does not make (outside parts without a
# stand-in here) are left out, as docs/installer.md says.

# Text files of the kit go in with the line ends of Windows text files.
set(kit_texts ${CMAKE_CURRENT_BINARY_DIR}/kit)
foreach(text Readme.txt BrivelServer.config)
  configure_file(kit/${text} ${kit_texts}/${text} @ONLY NEWLINE_STYLE CRLF)
endforeach()

get_target_property(kit_brivel18_jar brivel18_jar JAR_FILE)
get_target_property(kit_server_jar brivel_server_jar JAR_FILE)

# The programs and libraries go in without their debugging information, as
# a kit ships them (the build's own copies in bin keep it).
set(kit_binaries ${CMAKE_CURRENT_BINARY_DIR}/kit-binaries)
set(kit_stripped)
foreach(pair Brivel:Brivel.exe BrivelC2jConsole:BrivelC2jConsole.exe BrvService:BrvService.exe
             BrvServerLib:BrvServerLib.dll BrivelEvalDllBuilder:BrivelEvalDllBuilder.dll Uninstaller:Uninstaller.exe
             brivellib18:brivellib18.dll BrivelC2J18:BrivelC2J18.dll BrivelMTALib:BrivelMTALib.dll
             Jnavctl:Jnavctl.dll installer_image:installer-image.exe
             JBrivelSampleActiveX:JBrivelSampleActiveX.dll)
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 target)
  list(GET pair 1 file)
  if(TARGET ${target})
    set(kit_${target} ${kit_binaries}/${file})
    add_custom_command(OUTPUT ${kit_${target}}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${kit_binaries}
      COMMAND ${CMAKE_STRIP} --strip-debug -o ${kit_${target}} $<TARGET_FILE:${target}>
      DEPENDS ${target} $<TARGET_FILE:${target}>
      COMMENT "Stripping ${file} for the kit" VERBATIM)
    list(APPEND kit_stripped ${kit_${target}})
  endif()
endforeach()

# install.pkg names the pre-generated bridges' libraries of the kit: the
# installer copies them from redist into the system folder, where the
# uninstaller's list removes them.
set(kit_packages "pkgdll Jnavctl.dll\n")
set(kit_bridge_lines "file|copy|redist\\Jnavctl.dll|${kit_Jnavctl}\n")
if(TARGET JBrivelSampleActiveX)
  string(APPEND kit_packages "pkgdll2 JBrivelSampleActiveX.dll\n")
  string(APPEND kit_bridge_lines "file|copy|redist\\JBrivelSampleActiveX.dll|${kit_JBrivelSampleActiveX}\n")
endif()
string(REPLACE "\n" "\r\n" kit_packages "${kit_packages}")
file(WRITE ${kit_texts}/install.pkg.new "${kit_packages}")
configure_file(${kit_texts}/install.pkg.new ${kit_texts}/install.pkg COPYONLY)

set(kit_manifest ${CMAKE_BINARY_DIR}/setup/kit.manifest)
file(GENERATE OUTPUT ${kit_manifest} CONTENT
"# The Brivel kit: written by the build (setup/installer/KitManifest.cmake).
file|copy|Brivel.exe|${kit_Brivel}
file|copy|BrivelC2jConsole.exe|${kit_BrivelC2jConsole}
file|copy|BrvService.exe|${kit_BrvService}
file|copy|BrvServerLib.dll|${kit_BrvServerLib}
file|copy|BrivelServer.jar|${kit_server_jar}
file|text|BrivelServer.config|${kit_texts}/BrivelServer.config
file|copy|BrivelEvalDllBuilder.dll|${kit_BrivelEvalDllBuilder}
file|text|Readme.txt|${kit_texts}/Readme.txt
file|copy|install.pkg|${kit_texts}/install.pkg
uninstaller|Uninstaller.exe|${kit_Uninstaller}
file|copy|redist\\brivel18.jar|${kit_brivel18_jar}
file|copy|redist\\brivellib18.dll|${kit_brivellib18}
file|copy|redist\\BrivelC2J18.dll|${kit_BrivelC2J18}
file|copy|redist\\BrivelMTALib.dll|${kit_BrivelMTALib}
${kit_bridge_lines}shortcut|Brivel|Brivel.exe
shortcut|Brivel Com2Java Console|BrivelC2jConsole.exe
")

# bin/installer.exe: the installer's image with the kit packed onto it. The
# finished uninstaller, its directory appended, is kept as it lies in the kit.
set(kit_targets Brivel BrivelC2jConsole BrvService BrvServerLib brivel18_jar brivel_server_jar BrivelEvalDllBuilder
  Uninstaller brivellib18 BrivelC2J18 BrivelMTALib Jnavctl installer_image)
if(TARGET JBrivelSampleActiveX)
  list(APPEND kit_targets JBrivelSampleActiveX)
endif()
brivel_pack_installer(kit_installer IMAGE ${kit_installer_image} MANIFEST ${kit_manifest}
  OUTPUT ${CMAKE_BINARY_DIR}/bin/installer.exe UNINSTALLER_OUTPUT ${CMAKE_BINARY_DIR}/kit/Uninstaller.exe
  DEPENDS ${kit_targets} ${kit_stripped})
