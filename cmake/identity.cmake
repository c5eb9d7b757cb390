# The one place of the program's version, application id, notebook file type
# and release date, for the desktop project and the web one. They reach the
# code, the desktop entry, the metainfo, the man pages and the package
# through configure_file.
set(GELVOR_VERSION 2.1.0)
set(GELVOR_APP_ID org.example.Gelvor)
# The notebook's file: its extension and media type.
set(GELVOR_NOTEBOOK_EXTENSION gelvor)
set(GELVOR_NOTEBOOK_MIME_TYPE application/x-gelvor-notebook)
set(GELVOR_RELEASE_DATE 2026-12-08)
