package brivel.c2jmodeltest;

public interface Listener {
    void changed(int what);
    void closed();
}
