package sample.test;

import j2c.tutorial._DBrivelSampleActiveXEvents;

import java.text.SimpleDateFormat;
import java.util.ArrayList;
import java.util.Date;
import java.util.List;

/**
 * Hears the sample control's events. Every event is written to one log as
 * "Name(argument, ...)", a date in local time ("yyyy-MM-dd HH:mm:ss"); the
 * dates of Timer events are also kept as they came. The listener throws
 * after writing when its event is the failing one.
 */
public class SampleListener extends _DBrivelSampleActiveXEvents {
    static final List<String> heard = new ArrayList<String>();
    static final List<Date> timerDates = new ArrayList<Date>();
    /** The event whose listener method throws. */
    public static volatile String failing = "";

    public static synchronized String take() {
        String text = String.join("\n", heard);
        heard.clear();
        return text;
    }

    static synchronized List<Date> takeTimerDates() {
        List<Date> dates = new ArrayList<Date>(timerDates);
        timerDates.clear();
        return dates;
    }

    static String show(Date date) {
        return date == null ? "null" : new SimpleDateFormat("yyyy-MM-dd HH:mm:ss").format(date);
    }

    private static void heard(String event, String args) {
        synchronized (SampleListener.class) {
            heard.add(event + "(" + args + ")");
        }
        if (event.equals(failing)) throw new IllegalStateException("listener failed in " + event);
    }

    public void Click() {
        heard("Click", "");
    }

    public void KeyPress(short keyAscii) {
        heard("KeyPress", Short.toString(keyAscii));
    }

    public void Timer(String name, Date time, int tick) {
        synchronized (SampleListener.class) {
            timerDates.add(time);
        }
        heard("Timer", name + ", " + show(time) + ", " + tick);
    }

    public void TavoOnEventError(String event, String error) {
        synchronized (SampleListener.class) {
            heard.add("error " + event + ": " + error);
        }
    }

    public void TavoOnEventException(String event, Throwable exception) {
        synchronized (SampleListener.class) {
            heard.add("exception " + event + ": " + exception);
        }
    }

    /** A listener without the event methods: it hears only what the sink reports. */
    public static class Bare extends brivel.TavoEventListener {
        public void TavoOnEventError(String event, String error) {
            synchronized (SampleListener.class) {
                heard.add("error " + event + ": " + error);
            }
        }
    }
}
