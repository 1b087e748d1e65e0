package probe;

import brivel.TavoObject;
import brivel.TavoVariant;
import test.events.IProbe;
import test.events.IProbeEvents;
import test.events.Level;
import test.events.Pair;

/**
 * A listener of every event of the events bridge. It counts what arrives,
 * logs it while `logging` is set, changes what it may change, and releases
 * every COM object and VARIANT it is given, as a listener must.
 */
public class ProbeEventsProbe extends IProbeEvents {
    public String log = "";
    public boolean logging = true;
    public int events;
    /** With `swap`, Objects releases what its IN/OUT slot holds and puts `swapTo` there (null clears it). */
    public boolean swap;
    public TavoObject swapTo;
    /** What Handed gives back in its first OUT slot (its second stays empty). */
    public TavoObject handOut;
    public boolean throwNext;

    private void heard(String line) {
        ++events;
        if (logging) log += line + ";";
        if (throwNext) {
            throwNext = false;
            throw new IllegalStateException("handler failed");
        }
    }

    private static void release(TavoObject object) {
        if (object != null) object.TavoRelease();
    }

    private static void release(TavoVariant variant) {
        if (variant != null) variant.TavoRelease();
    }

    public void Numbers(int l, short s, byte b, double d, float f, boolean flag, Level level) {
        heard("Numbers " + l + " " + s + " " + b + " " + d + " " + f + " " + flag + " " + level.getEnumeratedIntValue());
    }

    public void NumbersByRef(int[] l, short[] s, byte[] b, double[] d, float[] f, boolean[] flag) {
        l[0] += 1;
        s[0] += 1;
        b[0] += 1;
        d[0] += 1;
        f[0] += 1;
        flag[0] = !flag[0];
        heard("NumbersByRef");
    }

    public void Texts(String text, String changed) {
        heard("Texts " + text + " " + changed);
    }

    public void Variants(TavoVariant v, TavoVariant changed, TavoVariant seen) {
        String line = "Variants";
        try {
            line += " " + v.getInt() + " " + seen.getInt();
        } catch (brivel.TavoException ex) {
            line += " unreadable";
        }
        release(v);
        release(seen);
        heard(line);
    }

    public void Objects(IProbe target, TavoObject any, TavoObject unknown, TavoObject[] swapped, IProbe replaced) {
        String line = "Objects " + (target != null) + " " + (any != null) + " " + (unknown != null) + " "
                + (swapped[0] != null) + " " + (replaced != null);
        release(target);
        release(any);
        release(unknown);
        release(replaced);
        if (swap) {
            release(swapped[0]);
            swapped[0] = swapTo;
        }
        heard(line);
    }

    public void Times(java.util.Date when, java.util.Date next, long amount, long total) {
        heard("Times " + amount + " " + total);
    }

    public void Levels(Level level) {
        heard("Levels " + level.getEnumeratedIntValue());
    }

    public boolean Decide(int n) {
        heard("Decide " + n);
        return n > 0;
    }

    public void Handed(TavoObject[] given, TavoObject[] taken) {
        heard("Handed " + (given[0] != null) + " " + (taken[0] != null));
        given[0] = handOut;
        taken[0] = null;
    }

    public void Listed(int[] values, brivel.out.TavoStringArray names) {
        heard("Listed " + values.length + " " + (names.array == null ? -1 : names.array.length));
        names.array = new String[] {"x", "y"};
    }

    public void Paired(Pair couple, Pair moved) {
        heard("Paired " + couple.first + " " + couple.second);
    }

    public void TavoOnEventException(String eventName, Throwable exception) {
        if (logging) log += "Exception " + eventName + " " + exception.getMessage() + ";";
    }
}
