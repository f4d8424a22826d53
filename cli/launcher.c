/* corrolab, the name users type. Without arguments it replaces itself by the
 * windows program; with any, by the command line (corrolab-cli), which runs the
 * subcommands and starts the windows for the windows' own options. It is plain C
 * on the C library alone, so that opening the windows costs one small program
 * more and not the loading of the command line's C++ libraries.
 *
 * Each program is looked for beside this one, then where an installation puts
 * it (../libexec/corrolab/), the places the command line looks for its own
 * helpers in (HelperProgramPlaces in datafiles/program_files.h). */
#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

/* FOLDER/NAME into `out`; 0 when it does not fit. */
static int JoinPath(char* out, size_t size, const char* folder, const char* name)
{
    const int length = snprintf(out, size, "%s/%s", folder, name);
    return length > 0 && (size_t)length < size;
}

static int IsExecutableFile(const char* path)
{
    struct stat status;
    return stat(path, &status) == 0 && S_ISREG(status.st_mode) && access(path, X_OK) == 0;
}

int main(int argc, char** argv)
{
    const char* name = argc > 1 ? "corrolab-cli" : "corrolab-windows";
    const char* what = argc > 1 ? "the command line" : "the windows";
    char folder[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", folder, sizeof folder - 1);
    if (length <= 0) {
        fprintf(stderr, "corrolab: cannot start %s: its own place is unknown (%s)\n", what,
            strerror(errno));
        return 1;
    }
    folder[length] = '\0';
    *strrchr(folder, '/') = '\0'; /* the link names an absolute path */

    /* The installed place: libexec/corrolab beside this program's folder. */
    char top[PATH_MAX];
    strcpy(top, folder);
    char* const slash = strrchr(top, '/');
    if (slash != NULL)
        *slash = '\0';
    char installed[PATH_MAX];
    char beside[PATH_MAX];
    char there[PATH_MAX];
    if (!JoinPath(installed, sizeof installed, top, "libexec/corrolab")
        || !JoinPath(beside, sizeof beside, folder, name)
        || !JoinPath(there, sizeof there, installed, name)) {
        fprintf(stderr, "corrolab: cannot start %s: its folder's name is too long\n", what);
        return 1;
    }
    const char* const places[] = {beside, there};
    for (size_t k = 0; k < sizeof places / sizeof places[0]; ++k) {
        if (!IsExecutableFile(places[k]))
            continue;
        argv[0] = (char*)places[k];
        execv(places[k], argv);
        fprintf(stderr, "corrolab: cannot start %s (%s): %s\n", what, places[k], strerror(errno));
        return 1;
    }
    fprintf(stderr, "corrolab: cannot start %s: %s is neither in %s nor in %s\n", what, name,
        folder, installed);
    return 1;
}
