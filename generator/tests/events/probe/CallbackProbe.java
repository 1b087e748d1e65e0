package probe;

import test.events.ICallback;

/** A Java implementation of the callback interface that logs its calls. */
public class CallbackProbe extends ICallback {
    public String log = "";

    public void Called(int n, String text) {
        log += "Called " + n + " " + text + ";";
    }
}
