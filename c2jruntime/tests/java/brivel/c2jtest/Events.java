package brivel.c2jtest;

import java.util.EventListener;

// A listener interface whose methods take and give values of many types.
public interface Events extends EventListener {
    void started();

    int counted(int n, long big);

    String named(String text, double d);

    boolean flagged(boolean b, char c, byte octet, short s, float f);
}
