# The configuration program's library binding, 3D gate and probes, compiled into its core library.
set(CONFIG_PROBE_SOURCES
  libraries.cpp
  directx_probe.cpp
  texture_memory_d3d8.cpp
  texture_memory_d3d9.cpp
  display_modes.cpp
  system_metrics.cpp
  dxdiag_info.cpp
)
