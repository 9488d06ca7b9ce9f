/* toneonsets: finds the tones in a recording as it is made.
 *
 * Reads raw signed 16-bit little-endian mono samples at 8000 Hz from stdin
 * (parec --raw --format=s16le --rate=8000 --channels=1 --latency-msec=20).
 * Prints "ready" with the first samples, then one line per tone once it has
 * ended:
 *   SAMPLE MS LENGTH_MS HZ
 * SAMPLE is the onset's sample number, the recording's own clock (8 a ms);
 * MS the wall-clock time in ms since the epoch (as the shell's EPOCHREALTIME
 * gives it) at which the onset reached this program, so never before the
 * server played it; LENGTH_MS how long the tone stayed above the threshold;
 * HZ its frequency from the zero crossings of its first 100 ms.
 *
 * A tone starts where a sample exceeds the threshold after at least 50 ms
 * below it, and ends after 50 ms below it.
 */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

enum { RATE = 8000, THRESHOLD = 1500, QUIET = RATE / 20, FIRST = RATE / 10 };

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

int main(void)
{
    unsigned char buf[4096];
    long long n = 0;             /* samples read so far */
    long long last_loud = -QUIET; /* sample number of the last loud one */
    long long onset = -1;        /* of the tone in progress, -1 if none */
    int crossings = 0, sign = 0;
    double onset_ms = 0;
    size_t carry = 0;

    for (;;) {
        ssize_t got = read(0, buf + carry, sizeof buf - carry);
        if (got <= 0)
            break;
        const double arrived = now_ms();
        size_t bytes = carry + (size_t)got, i;
        if (n == 0) {
            printf("ready\n");
            fflush(stdout);
        }
        for (i = 0; i + 1 < bytes; i += 2, ++n) {
            int s = (short)(buf[i] | buf[i + 1] << 8);
            int loud = s > THRESHOLD || s < -THRESHOLD;
            if (onset < 0 && loud && n - last_loud >= QUIET) {
                onset = n;
                onset_ms = arrived;
                crossings = 0;
                sign = 0;
            }
            if (onset >= 0 && n - onset < FIRST && (s > 200 || s < -200)) {
                int now_sign = s > 0 ? 1 : -1; /* a little hysteresis around zero */
                if (sign && now_sign != sign)
                    ++crossings;
                sign = now_sign;
            }
            if (loud)
                last_loud = n;
            if (onset >= 0 && !loud && n - last_loud >= QUIET) {
                printf("%lld %.0f %lld %d\n", onset, onset_ms,
                       (last_loud - onset + 1) * 1000 / RATE, crossings * RATE / (2 * FIRST));
                fflush(stdout);
                onset = -1;
            }
        }
        carry = bytes - i;
        if (carry)
            buf[0] = buf[i];
    }
    return 0;
}
